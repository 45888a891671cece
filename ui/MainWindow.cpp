#include "ui/MainWindow.h"

#include "game/Cards.h"
#include "scores/ScoreTable.h"
#include "settings/Settings.h"
#include "settings/SpeedFrame.h"
#include "table/CardMetrics.h"
#include "table/Layout.h"
#include "table/Pictures/Background.h"
#include "ui/DragPointer.h"
#include "ui/HelpWindow.h"
#include "ui/ShellResources.h"
#include "ui/TableWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace zarn {
namespace {

bool AskWithMessageBox(QWidget* parent, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, QStringLiteral("another game ?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // The result is only in the title: the box is made wide enough for the whole of it
    // beside the title bar's icon and buttons.
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid)
        grid->addItem(
            new QSpacerItem(metrics.horizontalAdvance(title) * 5 / 4 + 8 * metrics.height(), 0,
                            QSizePolicy::Minimum, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, grid->columnCount());
    return box.exec() == QMessageBox::Yes;
}

void ShowNoticeBox(const Notice& notice) {
    QMessageBox box(notice.kind == Notice::Created ? QMessageBox::NoIcon : QMessageBox::Warning,
                    QStringLiteral("ZARN"), notice.text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : options_(std::move(options)),
      folder_(options_.progDir.isEmpty() ? Folder::Current() : Folder::At(options_.progDir)),
      progDir_(folder_.path()), settingsFile_(folder_) {
    // The artwork is read first: the files of the working directory, each on a worker
    // thread, which draws it into its strip once the card size is known, while the rest
    // of the window is built.
    pictureJob_ = std::make_unique<CardPicturesJob>(progDir_);
    InitShellResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZARN"));

    table_ = new TableWidget(this);
    table_->installEventFilter(this);
    setCentralWidget(table_);
    game_ = std::make_unique<Game>(*table_, *this,
                                   options_.seed ? RandomSource(*options_.seed) : RandomSource());
    pointer_ = std::make_unique<TablePointer>(*game_, table_->pictures());
    commands_ = std::make_unique<TableCommands>(*game_, *this);
    table_->setPointer(pointer_.get());
    pointer_->onTableRightPress = [this] { nextBackground(); };
    pointer_->onTableLeftPress = [this] { scores_->hide(); };
    pointer_->onDragging = [this](bool dragging) {
        std::vector<int> lifted;
        for (int i = 1; dragging && i <= state().MovingCards[0]; ++i)
            lifted.push_back(state().MovingCards[i]);
        table_->setLifted(lifted);
        if (!dragging) {
            table_->unsetCursor();
            return;
        }
        if (dragPointer_.shape() != Qt::BitmapCursor)
            dragPointer_ = MakeDragPointer(table_->devicePixelRatioF());
        table_->setCursor(dragPointer_);
    };
    GameState& s = state();

    const QScreen* screen = QGuiApplication::primaryScreen();
    twipsPerPixelX_ = 1440.0f / float(screen->logicalDotsPerInchX());
    twipsPerPixelY_ = 1440.0f / float(screen->logicalDotsPerInchY());
    s.TwipsPerPixelX = twipsPerPixelX_;
    table_->setTwipsPerPixel(twipsPerPixelX_);

    s.AutoMove = Yes;
    speed_ = new SpeedFrame(table_);
    speed_->setTwipsPerPixel(twipsPerPixelX_);
    speed_->speedRange()->setFocusPolicy(Qt::NoFocus); // the window takes no keys
    connect(speed_, &SpeedFrame::speedChanged, this,
            [this](int v) { state().Speed = SpeedFor(v); });
    loadSettings();
    // The card size is known: the workers take their strips while the window is built.
    ApplyCardScale(s, s.SizeScale, SizeOccasion::StartUp);
    pictureJob_->render(s, screen->devicePixelRatio());
    setUpScoreTable(options_.scoreFile);
    applyBackground();
    buildMenu();

    const TableOrigin origin = OriginFor(s);
    table_->move(0, origin.x, origin.y);
    table_->setVisible(0, false);
    game_->NewGame();
    // Before the window is shown, in the order the files were read: the artwork, the
    // settings file (a new one is made once the player has been told), the score file,
    // the tile.
    std::vector<Notice> startUp = std::move(*heldNotices_);
    heldNotices_.reset();
    tell(pictureJob_->rejected());
    tell(startUp);
    settingsFile_.create();
    tell(settingsFile_.takeNotices());
}

// The one place that tells the player about the game's files.
void MainWindow::tell(const std::vector<Notice>& notices) {
    if (heldNotices_) {
        heldNotices_->insert(heldNotices_->end(), notices.begin(), notices.end());
        return;
    }
    for (const Notice& notice : notices) {
        if (notice.kind == Notice::Refused && !refusedFilesTold_.insert(notice.file).second)
            continue;
        if (options_.notice)
            options_.notice(notice);
        else
            ShowNoticeBox(notice);
    }
}

void MainWindow::installStartUpPictures() {
    if (!pictureJob_) return;
    table_->setPictures(pictureJob_->take());
    stripsToKeep_ = pictureJob_->drawnStrips();
    cacheFolder_ = pictureJob_->cacheFolder();
    pictureJob_.reset();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::Paint) {
        installStartUpPictures(); // drawn without being shown (a grab)
        if (!firstFrame_) {
            firstFrame_ = true;
            // Runs once this frame is on the screen.
            QTimer::singleShot(0, this, &MainWindow::afterFirstFrame);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// What the first frame does not need.
void MainWindow::afterFirstFrame() {
    setWindowIcon(QIcon(QStringLiteral(":/icons/zarn.svg")));
    keeping_ = WriteCachedStripsLater(cacheFolder_, std::move(stripsToKeep_));
}

MainWindow::~MainWindow() {
    // The table outlives the routing and the game (it goes with the window's children),
    // and the window's closing still sends it a deactivation.
    table_->setPointer(nullptr);
    game_->Abandon();
    delete help_;
}

HelpWindow* MainWindow::helpWindow() const {
    return help_.data();
}

void MainWindow::loadSettings() {
    const Settings settings = settingsFile_.load();
    tell(settingsFile_.takeNotices());
    ApplySettings(settings, state());
    speed_->setValue(settings.SpeedValue);
}

bool MainWindow::saveSettings() {
    const bool saved = settingsFile_.save(CurrentSettings(state(), speed_->value()));
    tell(settingsFile_.takeNotices());
    return saved;
}

void MainWindow::setUpScoreTable(const QString& scoreFile) {
    scores_ = new ScoreTable(table_, scoreFile.isEmpty() ? ScoreStore::DefaultPath() : scoreFile);
    scores_->setObjectName(QStringLiteral("Score1"));
    connect(scores_, &ScoreTable::resetAsked, this, [this] { tell(scores_->takeNotices()); });
    scores_->setTwipsPerPixel(twipsPerPixelX_);
    scores_->hide();
    scores_->setGameName(QStringLiteral("zarn"));
    scores_->setStartupFlagB(true);
    scores_->setStartupFlagA(true);
    tell(scores_->takeNotices());
}

// The tiles are laid for the window as it is, or as the deal will fit it when that is
// larger, and laid again whenever the window outgrows them.
void MainWindow::applyBackground() {
    const GameState& s = state();
    // The plain table needs no picture: the table is painted in its colour beneath any.
    if (s.BackgroundIndex == 0) return table_->setBackground(QImage());
    const QSize outer = frameGeometry().size();
    const int width = std::max(int(float(outer.width()) * twipsPerPixelX_), int(s.WindowWidth));
    const int height = std::max(int(float(outer.height()) * twipsPerPixelY_), int(s.WindowHeight));
    std::vector<Notice> rejected;
    table_->setBackground(ApplyBackground(s.BackgroundIndex, width, height, twipsPerPixelX_,
                                          twipsPerPixelY_, progDir_, devicePixelRatioF(),
                                          &rejected));
    tell(rejected);
}

void MainWindow::nextBackground() {
    GameState& s = state();
    s.BackgroundIndex =
        static_cast<i16>(s.BackgroundIndex + 1 > MaxBackgroundIndex ? 0 : s.BackgroundIndex + 1);
    applyBackground();
}

// Every yield of the engine; those of a glide wait for their step's moment first.
void MainWindow::processEvents() {
    pacer_.beforeStep();
    QCoreApplication::processEvents();
}

void MainWindow::glideStarted(int, int, int steps) {
    if (options_.pacedGlides) pacer_.start(steps);
}

bool MainWindow::showGameOver(bool won) {
    scores_->setGameWon(won);
    tell(scores_->takeNotices());
    saveSettings();
    const QString title = won ? QStringLiteral("CONGRATULATIONS - GAME COMPLETED")
                              : QStringLiteral("SORRY, NO MORE MOVES LEFT !");
    const bool another =
        options_.askAnotherGame ? options_.askAnotherGame(title) : AskWithMessageBox(this, title);
    if (!another) endProgram();
    return another;
}

void MainWindow::setSizeCommandsEnabled(bool enabled) {
    actions_.increaseSize->setEnabled(enabled);
    actions_.decreaseSize->setEnabled(enabled);
}

bool MainWindow::sizeCommandsEnabled() const {
    return actions_.increaseSize->isEnabled();
}

void MainWindow::layOutDeal() {
    commands_->LayOut();
}

// The pictures for the new card size, made under the busy pointer.
void MainWindow::cardSizeChanged() {
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    installStartUpPictures();
    CardPicturesJob job(progDir_);
    job.render(state(), devicePixelRatioF());
    table_->setPictures(job.take());
    keeping_ = WriteCachedStripsLater(job.cacheFolder(), job.drawnStrips());
    QGuiApplication::restoreOverrideCursor();
    tell(job.rejected());
}

void MainWindow::dealAbandoned() {
    scores_->setGameWon(false);
    tell(scores_->takeNotices());
}

void MainWindow::showLayout() {
    const GameState& s = state();
    table_->setCardSize(s.CardWidth, s.CardHeight);
    table_->setCornerRect(QRectF(s.CornerLeft, s.CornerTop, s.CornerWidth, s.CornerHeight));
    speed_->place(s.SpeedFrameLeft, s.SpeedFrameTop, s.CardWidth);
    fitWindow();
}

QSize MainWindow::frameExtra() const {
    return frameGeometry().size() - size();
}

// The deal gives the outer size, frame and title bar included.
void MainWindow::fitWindow() {
    const GameState& s = state();
    const QSize outer(RoundEven(double(s.WindowWidth / twipsPerPixelX_)),
                      RoundEven(double(s.WindowHeight / twipsPerPixelY_)));
    if (isMinimized() || isMaximized() || isFullScreen()) return;
    fittedOuter_ = outer;
    frameAtFit_ = frameExtra();
    resize(outer - frameAtFit_);
}

// A layout made before the window was shown could not count the frame and title bar;
// once they are known the window is fitted again, unless the player has resized it.
void MainWindow::refitForFrame() {
    if (fittedOuter_.isEmpty() || frameExtra() == frameAtFit_) return;
    if (isMinimized() || isMaximized() || isFullScreen()) return;
    if (size() != fittedOuter_ - frameAtFit_) return;
    frameAtFit_ = frameExtra();
    resize(fittedOuter_ - frameAtFit_);
}

void MainWindow::showEvent(QShowEvent* event) {
    installStartUpPictures();
    QMainWindow::showEvent(event);
    refitForFrame();
    // Where Qt draws the frame itself (Wayland) it is made only after this event, and no
    // move follows to tell of it.
    QTimer::singleShot(0, this, &MainWindow::refitForFrame);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    refitForFrame();
}

void MainWindow::enforceMinimumSize() {
    if (isMinimized() || isMaximized() || isFullScreen()) return;
    const WindowSize least = MinimumWindowSize(state(), *table_);
    const QSize minimum = QSize(RoundEven(double(float(least.width) / twipsPerPixelX_)),
                                RoundEven(double(float(least.height) / twipsPerPixelY_))) -
                          frameExtra();
    if (width() < minimum.width() || height() < minimum.height())
        resize(std::max(width(), minimum.width()), std::max(height(), minimum.height()));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    refitForFrame();
    enforceMinimumSize();
    const QSizeF painted = table_->background().deviceIndependentSize();
    if (painted.width() < table_->width() || painted.height() < table_->height()) applyBackground();
}

// The one key: Esc closes the score panel.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) scores_->hide();
    event->accept();
}
void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void MainWindow::endProgram() {
    ended_ = true;
    game_->Abandon();
    delete help_;
    if (options_.endProgram)
        options_.endProgram();
    else
        QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ended_) saveSettings();
    event->accept();
    endProgram();
}

} // namespace zarn
