#pragma once
// The "About ZARN" box: the credit text, the game's icon, "OK" and "Version 1.0".
//
// The text is not there to be edited: a click or a mouse press on it, or the first key
// that changes it, closes the box, as do "OK" and the close box.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zarn {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr float ClientWidthTwips = 4755;
    static constexpr float ClientHeightTwips = 2475;

    // The credit text: three empty lines, the credit line and the contact line.
    static QString CreditText();
    // Shows a new box modally and discards it when it is closed.
    static void Show(QWidget* parent, float twipsPerPixel);

    AboutBox(QWidget* parent, float twipsPerPixel);

    QPlainTextEdit* aboutText() const { return text_; }
    QLabel* picture() const { return picture_; }
    QPushButton* okButton() const { return ok_; }
    QLabel* versionLabel() const { return version_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect rect(float left, float top, float width, float height) const;

    float twipsPerPixel_;
    QPlainTextEdit* text_ = nullptr;
    QLabel* picture_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLabel* version_ = nullptr;
};

} // namespace zarn
