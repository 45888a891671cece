#include "ui/AboutBox.h"

#include "game/Twips.h"
#include "ui/ShellResources.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <cmath>

namespace zarn {
namespace {

QPixmap IconPicture(QSize size, qreal pixelRatio) {
    InitShellResources();
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/icons/zarn.svg"));
    QPainter painter(&pixmap);
    // Square icon, centred in the picture box.
    const int side = std::min(size.width(), size.height());
    svg.render(&painter,
               QRectF((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side));
    return pixmap;
}

} // namespace

QString AboutBox::CreditText() {
    return QStringLiteral("\n\n\n"
                          "ZARN, a patience card game, is made by the ZARN developers.\n"
                          "For news and questions, see the README that comes with the game.");
}

void AboutBox::Show(QWidget* parent, float twipsPerPixel) {
    AboutBox box(parent, twipsPerPixel);
    box.exec();
}

AboutBox::AboutBox(QWidget* parent, float twipsPerPixel)
    : QDialog(parent), twipsPerPixel_(twipsPerPixel > 0 ? twipsPerPixel : 15) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About ZARN"));
    setModal(true);
    setFixedSize(rect(0, 0, ClientWidthTwips, ClientHeightTwips).size());

    text_ = new QPlainTextEdit(CreditText(), this);
    text_->setObjectName(QStringLiteral("AboutText"));
    text_->setGeometry(rect(30, 30, 4125, 1980));
    QPalette face = text_->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    text_->setPalette(face);
    text_->viewport()->installEventFilter(this);
    // The text keeps the focus, so that the first key typed into it closes the box, but
    // shows no caret: it is not there to be edited.
    text_->setCursorWidth(0);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setGeometry(rect(4185, 30, 510, 480));
    picture_->setPixmap(IconPicture(picture_->size(), devicePixelRatioF()));

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("AboutOk"));
    ok_->setGeometry(rect(4200, 1110, 510, 375));
    ok_->setDefault(true);

    version_ = new QLabel(QStringLiteral("Version 1.0"), this);
    version_->setObjectName(QStringLiteral("Label1"));
    version_->setGeometry(rect(30, 2100, 4665, 315));

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    // Connected after the text is set, so only a change by the player closes the box.
    connect(text_, &QPlainTextEdit::textChanged, this, &QDialog::reject);
}

QRect AboutBox::rect(float left, float top, float width, float height) const {
    return QRect(Pixels(left, twipsPerPixel_), Pixels(top, twipsPerPixel_),
                 Pixels(width, twipsPerPixel_), Pixels(height, twipsPerPixel_));
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_->viewport() && (event->type() == QEvent::MouseButtonPress ||
                                         event->type() == QEvent::MouseButtonDblClick)) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zarn
