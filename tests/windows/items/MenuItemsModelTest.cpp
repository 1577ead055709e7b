#include "windows/items/MenuItemsModel.h"

#include "core/items/ItemsText.h"

#include <QAbstractItemModelTester>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using halvero::MenuItem;

namespace {

// The tree as "label(child,child)" text, to compare in one line.
QString shape(const std::vector<MenuItem>& items) {
    QStringList parts;
    for (const MenuItem& item : items)
        parts << QString::fromStdString(item.label) +
                     (item.items.empty() ? QString() : "(" + shape(item.items) + ")");
    return parts.join(QLatin1Char(','));
}

// Every model here runs under Qt's model tester, which checks each signal
// and answer of the model as views rely on them.
std::unique_ptr<MenuItemsModel> model(const char* text) {
    auto items = std::make_unique<MenuItemsModel>(halvero::ItemsText::parse(text));
    new QAbstractItemModelTester(items.get(), QAbstractItemModelTester::FailureReportingMode::Fatal,
                                 items.get());
    return items;
}

const char* const kSite = "A\ta.html\nB\tb.html\n> B1\tb1.html\n> B2\tb2.html\n>> B21\tb21.html\n"
                          "C\tc.html\n";

} // namespace

// The tree changes that index arithmetic could get wrong: drops before,
// after and onto rows, in and across lists; what the depth limit and a
// row's own sub-menu refuse; removing rows inside removed rows; and every
// change one undo step.
class MenuItemsModelTest : public QObject {
    Q_OBJECT
private slots:
    void dropsLandWhereTheyArePointed() {
        struct Case {
            MenuItemsModel::Path from;
            MenuItemsModel::Path onto; // the parent dropped into
            int row;                   // -1: onto the parent itself
            QString after;             // "" when refused
        };
        const Case cases[] = {
            {{0}, {}, 3, "B(B1,B2(B21)),C,A"},      // down its own list
            {{2}, {}, 0, "C,A,B(B1,B2(B21))"},      // up its own list
            {{0}, {1}, 1, "B(B1,A,B2(B21)),C"},     // into a sub-menu
            {{2}, {0}, -1, "A(C),B(B1,B2(B21))"},   // onto a row
            {{1, 1, 0}, {}, 3, "A,B(B1,B2),C,B21"}, // out to the top
            {{1, 0}, {1}, 2, "A,B(B2(B21),B1),C"},  // down inside a sub-menu
            {{1}, {1, 1}, -1, ""},                  // into itself
            {{1}, {2}, -1, ""},                     // B2(B21) would be a fourth level
            {{0}, {1, 1}, 0, "B(B1,B2(A,B21)),C"},  // a third level
        };
        for (const Case& c : cases) {
            auto items = model(kSite);
            std::unique_ptr<QMimeData> data(items->mimeData({items->indexOf(c.from)}));
            const bool dropped =
                items->dropMimeData(data.get(), Qt::MoveAction, c.row, 0, items->indexOf(c.onto));
            QCOMPARE(dropped, !c.after.isEmpty());
            QCOMPARE(shape(items->items()),
                     c.after.isEmpty() ? shape(model(kSite)->items()) : c.after);
            if (dropped) {
                items->undoStack()->undo();
                QCOMPARE(shape(items->items()), shape(model(kSite)->items()));
            }
        }
    }

    void indentOutdentRemoveAndTheirLimits() {
        auto items = model(kSite);
        QVERIFY(!items->indent(items->indexOf({0})).isValid()); // nothing above it
        QVERIFY(!items->indent(items->indexOf({1})).isValid()); // B's items would go too deep
        const QModelIndex c = items->indent(items->indexOf({2}));
        QCOMPARE(shape(items->items()), QStringLiteral("A,B(B1,B2(B21),C)"));
        QCOMPARE(items->pathOf(c), (MenuItemsModel::Path{1, 2}));
        items->outdent(items->indexOf({1, 1}));
        QCOMPARE(shape(items->items()), QStringLiteral("A,B(B1,C),B2(B21)"));
        // A row and a row inside it go in one step.
        items->remove({items->indexOf({1}), items->indexOf({1, 0}), items->indexOf({2, 0})});
        QCOMPARE(shape(items->items()), QStringLiteral("A,B2"));
        items->undoStack()->undo();
        items->undoStack()->undo();
        items->undoStack()->undo();
        QCOMPARE(shape(items->items()), shape(model(kSite)->items()));
        QVERIFY(!items->addChild(items->indexOf({1, 1, 0})).isValid());
    }

    void typingIsOneStepAndOneTickAPage() {
        auto items = model(kSite);
        const QModelIndex label = items->indexOf({1, 0});
        for (const char* typed : {"W", "We", "Web"})
            items->setData(label, QString::fromLatin1(typed), Qt::EditRole);
        QCOMPARE(items->undoStack()->count(), 1);
        items->setData(items->indexOf({0}, MenuItemsModel::Current), Qt::Checked,
                       Qt::CheckStateRole);
        items->setData(items->indexOf({1, 1, 0}, MenuItemsModel::Current), Qt::Checked,
                       Qt::CheckStateRole);
        QVERIFY(!items->items()[0].current);
        QVERIFY(items->items()[1].items[1].items[0].current);
        items->undoStack()->undo();
        items->undoStack()->undo();
        items->undoStack()->undo();
        QCOMPARE(items->items()[1].items[0].label, std::string("B1"));
    }

    // A change of the tree reaches a view row by row, never as a reset:
    // the rows it does not touch keep their place in the view (selection,
    // expansion, the row being edited), through every change and its undo.
    void untouchedRowsKeepTheirPlace() {
        auto items = model(kSite);
        QSignalSpy resets(items.get(), &QAbstractItemModel::modelReset);
        const QPersistentModelIndex b21 = items->indexOf({1, 1, 0});
        const QPersistentModelIndex c = items->indexOf({2});
        const QPersistentModelIndex a = items->indexOf({0});
        std::unique_ptr<QMimeData> data(items->mimeData({items->indexOf({0})}));
        items->dropMimeData(data.get(), Qt::MoveAction, 1, 0, items->indexOf({1, 1}));
        items->indent(items->indexOf({1}));
        items->addAfter(items->indexOf({0, 0}));
        items->append(halvero::ItemsText::parse("D\td.html\n> D1\td1.html\n"));
        items->remove({items->indexOf({0, 3})});
        items->move(items->indexOf({1}), -1);
        QCOMPARE(shape(items->items()), QStringLiteral("D(D1),B(B1,,B2(B21,A))"));
        QCOMPARE(items->pathOf(b21), (MenuItemsModel::Path{1, 2, 0}));
        QCOMPARE(items->pathOf(a), (MenuItemsModel::Path{1, 2, 1}));
        QVERIFY(!c.isValid()); // removed with its row
        while (items->undoStack()->canUndo())
            items->undoStack()->undo();
        QCOMPARE(shape(items->items()), shape(model(kSite)->items()));
        QCOMPARE(items->pathOf(b21), (MenuItemsModel::Path{1, 1, 0}));
        QCOMPARE(items->pathOf(a), (MenuItemsModel::Path{0}));
        QCOMPARE(resets.count(), 0);
    }
};

QTEST_GUILESS_MAIN(MenuItemsModelTest)
#include "MenuItemsModelTest.moc"
