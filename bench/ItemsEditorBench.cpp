// Typing into the Menu Items editor with a large menu: a word is typed key
// by key into a cell of a menu of 200 items (20 with 9 sub-items each),
// each key checked and redrawn as the user sees it, against the same keys
// typed into a plain line edit in the same run. Prints the medians per key
// and the ratio.
// Usage: xvfb-run -a items_editor_bench [ROUNDS]
#include "app/Application.h"
#include "windows/items/MenuItemsDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QString kWord = QStringLiteral("services-and-hosting");

// Milliseconds per key of typing kWord into `target`, each key followed by
// the repaint it asks for.
double perKey(QWidget* target) {
    QElapsedTimer clock;
    clock.start();
    for (const QChar c : kWord) {
        QTest::keyClicks(target, QString(c));
        QApplication::processEvents();
        target->window()->repaint();
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6 / kWord.size();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Application::configure();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    std::vector<halvero::MenuItem> items;
    for (int i = 1; i <= 20; ++i) {
        halvero::MenuItem top{"Section " + std::to_string(i),
                              "section-" + std::to_string(i) + "/",
                              "",
                              "",
                              false,
                              {}};
        for (int k = 1; k <= 9; ++k)
            top.items.push_back({"Page " + std::to_string(k),
                                 top.link + "page-" + std::to_string(k) + ".html",
                                 "",
                                 "",
                                 false,
                                 {}});
        items.push_back(std::move(top));
    }
    MenuItemsDialog dialog(items, 20, QStringLiteral("_self"),
                           halvero::MenuSettings::PageStyle::Modern);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 1;
    auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("itemTree"));
    QLineEdit plain;
    plain.resize(300, 30);
    plain.show();
    if (!QTest::qWaitForWindowExposed(&plain))
        return 1;

    std::vector<double> editor, baseline;
    for (int r = 0; r < rounds; ++r) {
        const QModelIndex cell = tree->model()->index(8, 1, tree->model()->index(19, 0));
        tree->setCurrentIndex(cell);
        tree->edit(cell);
        QApplication::processEvents();
        auto* line = tree->findChild<QLineEdit*>();
        if (!line)
            return 1;
        line->selectAll();
        editor.push_back(perKey(line));
        QTest::keyClick(line, Qt::Key_Return);
        plain.selectAll();
        baseline.push_back(perKey(&plain));
    }
    const double e = median(editor), b = median(baseline);
    std::printf("items editor, 200 items: %.3f ms a key, %.2f x a plain line edit (%.3f ms)\n", e,
                e / b, b);
    return 0;
}
