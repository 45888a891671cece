#include "ui/HelpWindow.h"

#include "files/SafeFile.h"
#include "game/Twips.h"
#include "ui/ShellResources.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <algorithm>
#include <cmath>
#include <optional>

namespace zarn {
namespace {

constexpr float ButtonTopTwips = 30;
constexpr float ButtonWidthTwips = 1095;
constexpr float ButtonHeightTwips = 375;
constexpr float ButtonFontTwips = 160; // 8 points
// What the browser leaves of the window's outer size.
constexpr float BrowserWidthMarginTwips = 120;
constexpr float BrowserHeightMarginTwips = 480;
// The largest page, picture or style sheet the help window reads.
constexpr qint64 MaxHelpBytes = 4 * 1024 * 1024;
// Tables nested deeper than this are laid out by recursion deep enough to overflow the
// stack (3000 of them crash the program); a page holding such tables is not shown.
constexpr int MaxTableDepth = 32;

// How deep the tables of a page are nested, counting each start and end tag.
int TableDepth(const QByteArray& page) {
    static const QRegularExpression tag(QStringLiteral("<(/?)table\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    int depth = 0, deepest = 0;
    for (const QRegularExpressionMatch& m : tag.globalMatch(QString::fromLatin1(page))) {
        depth = m.capturedLength(1) == 0 ? depth + 1 : std::max(0, depth - 1);
        deepest = std::max(deepest, depth);
    }
    return deepest;
}

// The bytes of a help page, picture or style sheet in the help's folder; nothing when it
// cannot be read whole at once, or is a page nesting tables too deep to lay out.
std::optional<QByteArray> HelpFile(const QString& path, int type) {
    const ForeignFile file = ReadForeignFile(path, MaxHelpBytes);
    if (file.outcome != ForeignFile::Read) return std::nullopt;
    if (type == QTextDocument::HtmlResource && TableDepth(file.bytes) > MaxTableDepth)
        return std::nullopt;
    return file.bytes;
}

// Whether url is the help page or lies in the page's folder, links followed.
bool InsideHelp(const QUrl& url, const QUrl& page) {
    if (page.scheme() == QLatin1String("qrc"))
        return url.scheme() == QLatin1String("qrc") &&
               QDir::cleanPath(url.path()).startsWith(QFileInfo(page.path()).path() + '/');
    if (!url.isLocalFile() || !page.isLocalFile()) return false;
    const QString folder = QFileInfo(page.toLocalFile()).canonicalPath();
    const QString file = QFileInfo(url.toLocalFile()).canonicalFilePath();
    return !folder.isEmpty() && file.startsWith(folder + '/');
}

// A browser that reads nothing but the help: the page, and the pages, pictures and style
// sheets beside it.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QWidget* parent, const QUrl& page) : QTextBrowser(parent), page_(page) {}

    QVariant loadResource(int type, const QUrl& name) override {
        const QUrl url = source().resolved(name);
        if (!InsideHelp(url, page_)) return Refused(type);
        if (!url.isLocalFile()) return QTextBrowser::loadResource(type, url);
        const std::optional<QByteArray> bytes = HelpFile(url.toLocalFile(), type);
        if (!bytes) return Refused(type);
        if (type != QTextDocument::ImageResource) return *bytes;
        const QImage image = QImage::fromData(*bytes);
        return image.isNull() ? Refused(type) : QVariant(image);
    }

private:
    // What a refused resource is answered with. Nothing at all, or a null picture, would
    // make the document and its picture handler open the file by its name themselves.
    static QVariant Refused(int type) {
        if (type != QTextDocument::ImageResource) return QByteArray();
        QImage none(1, 1, QImage::Format_ARGB32);
        none.fill(Qt::transparent);
        return none;
    }

    const QUrl& page_;
};

} // namespace

QUrl HelpWindow::BuiltInPage() {
    InitShellResources();
    return QUrl(QStringLiteral("qrc:/help/zarn.htm"));
}

QUrl HelpWindow::HelpLocation(const QString& programDir) {
    const QString page = QDir(programDir).filePath(QStringLiteral("zarn.htm"));
    return HelpFile(page, QTextDocument::HtmlResource)
               ? QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath())
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

    browser_ = new HelpBrowser(this, location_);
    browser_->setObjectName(QStringLiteral("WebBrowser1"));
    // Links lead to the places in the help and to the pages beside it; web pages open in
    // the desktop's browser. Every other link (file:, javascript:, mailto: ...) does nothing.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QUrl url = browser_->source().resolved(link);
        if (InsideHelp(url, location_))
            browser_->setSource(url);
        else if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
            QDesktopServices::openUrl(url);
    });
    browser_->setGeometry(px(BrowserLeftTwips), px(BrowserTopTwips), px(BrowserWidthTwips),
                          px(BrowserHeightTwips));

    connect(back_, &QPushButton::clicked, this, [this] {
        if (insidePage()) browser_->backward();
    });
    connect(forward_, &QPushButton::clicked, this, [this] {
        if (insidePage()) browser_->forward();
    });
    connect(exit_, &QPushButton::clicked, this, &QWidget::hide);

    resize(px(ClientWidthTwips), px(ClientHeightTwips));
}

int HelpWindow::px(float twips) const {
    return Pixels(twips, twipsPerPixel_);
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
    const float width = Twips(outer.width(), twipsPerPixel_) - BrowserWidthMarginTwips;
    const float height = Twips(outer.height(), twipsPerPixel_) - BrowserHeightMarginTwips -
                         Twips(browser_->y(), twipsPerPixel_);
    // A window too small for the browser leaves that side of it as it was.
    if (width >= 0) browser_->resize(px(width), browser_->height());
    if (height >= 0) browser_->resize(browser_->width(), px(height));
}

} // namespace zarn
