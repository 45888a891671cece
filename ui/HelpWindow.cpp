#include "ui/HelpWindow.h"

#include "ui/ShellResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <cmath>

namespace zarn {
namespace {

constexpr float ButtonTopTwips = 30;
constexpr float ButtonWidthTwips = 1095;
constexpr float ButtonHeightTwips = 375;
constexpr float ButtonFontTwips = 160; // 8 points
// What the browser leaves of the window's outer size.
constexpr float BrowserWidthMarginTwips = 120;
constexpr float BrowserHeightMarginTwips = 480;

} // namespace

QUrl HelpWindow::BuiltInPage() {
    InitShellResources();
    return QUrl(QStringLiteral("qrc:/help/zarn.htm"));
}

QUrl HelpWindow::HelpLocation(const QString& programDir) {
    const QString page = QDir(programDir).filePath(QStringLiteral("zarn.htm"));
    return QFileInfo(page).isFile() ? QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath())
                                    : BuiltInPage();
}

QUrl HelpWindow::HelpLocation() {
    return HelpLocation(QCoreApplication::applicationDirPath());
}

HelpWindow* HelpWindow::Open(QPointer<HelpWindow>& holder, QWidget* owner, float twipsPerPixel) {
    if (!holder) holder = new HelpWindow(owner, twipsPerPixel);
    holder->setLocation(HelpLocation());
    holder->show();
    holder->raise();
    holder->activateWindow();
    return holder;
}

HelpWindow::HelpWindow(QWidget* owner, float twipsPerPixel)
    : QWidget(owner, Qt::Window), twipsPerPixel_(twipsPerPixel > 0 ? twipsPerPixel : 15) {
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("zarn Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(std::max(6, px(ButtonFontTwips)));
    back_ = makeButton("Back", 60, arial);
    forward_ = makeButton("Forward", 1155, arial);
    exit_ = makeButton("Exit", 2250, arial);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("WebBrowser1"));
    browser_->setOpenExternalLinks(true);
    browser_->setGeometry(px(BrowserLeftTwips), px(BrowserTopTwips), px(BrowserWidthTwips),
                          px(BrowserHeightTwips));

    connect(back_, &QPushButton::clicked, this, [this] {
        if (insidePage()) browser_->backward();
    });
    connect(forward_, &QPushButton::clicked, this, [this] {
        if (insidePage()) browser_->forward();
    });
    connect(exit_, &QPushButton::clicked, this, &QWidget::hide);

    location_ = HelpLocation();
    resize(px(ClientWidthTwips), px(ClientHeightTwips));
}

int HelpWindow::px(float twips) const {
    return static_cast<int>(std::lround(twips / twipsPerPixel_));
}

QPushButton* HelpWindow::makeButton(const char* text, float left, const QFont& font) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setFont(font);
    button->setGeometry(px(left), px(ButtonTopTwips), px(ButtonWidthTwips), px(ButtonHeightTwips));
    return button;
}

bool HelpWindow::insidePage() const {
    return browser_->source().toString().contains(QLatin1Char('#'));
}

void HelpWindow::reload() {
    browser_->setSource(location_);
    browser_->horizontalScrollBar()->setValue(0);
    browser_->verticalScrollBar()->setValue(0);
}

bool HelpWindow::event(QEvent* event) {
    // Some platforms report only the change of activation, not WindowActivate itself.
    const bool activation = event->type() == QEvent::ActivationChange ||
                            event->type() == QEvent::WindowActivate ||
                            event->type() == QEvent::WindowDeactivate;
    if (activation) {
        const bool active = isActiveWindow();
        if (active && !wasActive_) reload();
        wasActive_ = active;
    }
    return QWidget::event(event);
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitBrowser();
}

void HelpWindow::fitBrowser() {
    // The rule is stated for the outer size, frame and title bar included.
    const QSize outer = frameGeometry().size();
    const float width = outer.width() * twipsPerPixel_ - BrowserWidthMarginTwips;
    const float height =
        outer.height() * twipsPerPixel_ - BrowserHeightMarginTwips - browser_->y() * twipsPerPixel_;
    // A window too small for the browser leaves that side of it as it was.
    if (width >= 0) browser_->resize(px(width), browser_->height());
    if (height >= 0) browser_->resize(browser_->width(), px(height));
}

} // namespace zarn
