// The second baseline for the start-up benchmark: a plain Qt window with the
// main window's controls and nothing of Halvero's: 42 labels and 3 titles
// with the same captions, 42 combo boxes (16 editable) filled with the same
// lists, 12 small and 4 large buttons, at absolute positions in the Fusion
// style, no styling, no pictures, no backdrop; in a main window with the
// same menu bar (four menus, their commands with their keys) and a status
// bar.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyleFactory>
#include <QWidget>

namespace {

QStringList numbers(int last) {
    QStringList items;
    for (int n = 1; n <= last; ++n)
        items << QString::number(n);
    return items;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QMainWindow main;
    main.setWindowTitle(QStringLiteral("Plain"));
    const QList<QPair<QString, QStringList>> menus = {
        {"&File", {"&New", "&Open...", "&Save", "Save &As...", "&Write Page To...", "&Quit"}},
        {"E&dit", {"&Undo", "&Redo", "Menu &Items..."}},
        {"&Page", {"&Create Page File", "&Preview", "Copy Menu &Code", "Write &Fragment To..."}},
        {"&Help", {"&About"}}};
    for (const auto& [title, commands] : menus) {
        QMenu* menu = main.menuBar()->addMenu(title);
        for (const QString& command : commands)
            menu->addAction(command)->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+F12")));
    }
    main.statusBar();
    auto* surface = new QWidget;
    surface->setFixedSize(921, 489);
    main.setCentralWidget(surface);
    QWidget& window = *surface;

    // Items and editability per entry, as the main window has them.
    QList<QStringList> items(42);
    items[0] = numbers(20);
    items[1] = {"Vertical"};
    items[2] = numbers(50);
    items[3] = numbers(300);
    items[4] = numbers(100);
    items[5] = {"No", "Yes"};
    items[6] = {"Welcome To My Site...", "Corvantis"};
    items[41] = {"_top", "_self", "_blank", "_parent"};
    const QList<int> colours = {9, 11, 14, 17, 20, 23, 26, 28, 31, 34, 37, 40};
    for (int first : {7, 24}) {
        items[first] = {"Verdana", "Tahoma"};
        items[first + 1] = numbers(72);
        items[first + 3] = {"Yes", "No"};
        for (int border = 0; border < 4; ++border) {
            items[first + 5 + 3 * border] = numbers(10);
            items[first + 6 + 3 * border] = {"Solid"};
        }
    }

    const QStringList titles = {"Menu Settings", "Normal Menu Item", "Hover Menu Item"};
    const QStringList item = {"Font Name",          "Font Size",          "Font Color",
                              "Underline",          "Back Color",         "Border Left Width",
                              "Border Left Type",   "Border Left Color",  "Border Top Width",
                              "Border Top Type",    "Border Top Color",   "Border Right Width",
                              "Border Right Type",  "Border Right Color", "Border Bottom Width",
                              "Border Bottom Type", "Border Bottom Color"};
    QStringList captions = {"Menu Item Count",     "Menu Direction",   "Menu Items Distance",
                            "Menu Item Width",     "Menu Item Height", "Show URL in Statusbar",
                            "Message in Statusbar"};
    captions << item << item << "Target";
    for (int t = 0; t < 3; ++t)
        (new QLabel(titles[t], &window))->setGeometry(8 + 304 * t, 8, 297, 25);
    for (int i = 0; i < 42; ++i) {
        const int column = i < 7 || i == 41 ? 0 : (i < 24 ? 1 : 2);
        const int row = column == 0 ? (i == 41 ? 7 : i) : (i - (column == 1 ? 7 : 24));
        const int left = 8 + 304 * column, top = 40 + 24 * row;
        (new QLabel(captions[i], &window))->setGeometry(left, top, 145, 25);
        auto* box = new QComboBox(&window);
        const bool colour = colours.contains(i);
        box->setEditable(colour || i == 3 || i == 4 || i == 6 || i == 41);
        box->addItems(items[i]);
        box->setGeometry(left + 152, top, colour ? 121 : 145, 21);
        if (colour)
            (new QPushButton(QStringLiteral("..."), &window))->setGeometry(left + 272, top, 25, 21);
    }
    const char* commands[] = {"Create HTML Page File", "Preview HTML Page File", "&About", "&Exit"};
    for (int c = 0; c < 4; ++c)
        (new QPushButton(QString::fromLatin1(commands[c]), &window))
            ->setGeometry(8, 240 + 32 * c, 297, 25);
    main.show();
    return application.exec();
}
