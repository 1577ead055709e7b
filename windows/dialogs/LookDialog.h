#pragma once

#include <QDialog>

class QImage;
class QListWidget;

namespace halvero {
class MenuLook;
}

// The looks Halvero ships, each a picture of a small menu written in it and
// drawn by the browser engine (its sub-menu open) beside its name and
// sentence; File > New From Look... starts a
// menu from the one picked, Page > Apply Look... gives it to the open menu.
// lookShown() follows the highlighted look, for a live preview.
class LookDialog : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { NewMenu, Apply };

    explicit LookDialog(Purpose purpose, QWidget* parent = nullptr);

    // The highlighted look.
    const halvero::MenuLook& look() const;
    // A look's name in the window's language.
    static QString nameOf(const halvero::MenuLook& look);

signals:
    void lookShown(const halvero::MenuLook& look);

private slots:
    void showPicture(int row, const QImage& picture);

private:
    void drawPictures();

    QListWidget* m_list;
};
