#include "scores/ScoreTable.h"

#include "game/Twips.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace zarn {
namespace {

// Sizes of the contents, twips, so that the panel looks the same at any density.
constexpr float TextTwips = 165;
constexpr float ButtonHeightTwips = 300;
constexpr float MarginTwips = 90;

// A name the score file can hold; control characters become blanks.
QString CleanGameName(const QString& name) {
    QString clean;
    for (QChar c : name) clean += c.isPrint() ? c : QChar(' ');
    clean = clean.simplified().left(MaxGameNameLength).trimmed();
    return clean.isEmpty() ? QStringLiteral("zarn") : clean;
}

QString StreakText(qint64 streak) {
    if (streak > 0) return QStringLiteral("%1 won").arg(streak);
    if (streak < 0) return QStringLiteral("%1 lost").arg(-streak);
    return QStringLiteral("none");
}

QLabel* FigureLabel(const char* objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

} // namespace

bool ScoreTable::AskWithMessageBox(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, QStringLiteral("ZARN"), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

ScoreTable::ScoreTable(QWidget* parent, const QString& storePath)
    : QFrame(parent), store_(storePath) {
    setObjectName(QStringLiteral("Score1"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setContextMenuPolicy(Qt::PreventContextMenu);
    if (parent) parent->installEventFilter(this);
    applySizes();
    hide();
}

// The labels and buttons are made when the panel is first shown: a hidden panel costs the
// start-up nothing but its place.
void ScoreTable::setVisible(bool visible) {
    if (visible && !title_) {
        buildContents();
        applySizes();
        refresh();
    }
    QFrame::setVisible(visible);
}

ScoreTable::~ScoreTable() {
    flushPending(); // too late to tell anyone if it fails
}

void ScoreTable::buildContents() {
    title_ = FigureLabel("Title", this);
    played_ = FigureLabel("Played", this);
    won_ = FigureLabel("Won", this);
    lost_ = FigureLabel("Lost", this);
    streak_ = FigureLabel("Streak", this);
    longest_ = FigureLabel("Longest", this);
    reset_ = new QPushButton(QStringLiteral("Reset"), this);
    reset_->setObjectName(QStringLiteral("ResetButton"));
    reset_->setToolTip(QStringLiteral("Set these figures back to zero"));
    close_ = new QPushButton(QStringLiteral("Close"), this);
    close_->setObjectName(QStringLiteral("CloseButton"));
    for (QPushButton* b : {reset_, close_}) b->setFocusPolicy(Qt::NoFocus);
    connect(reset_, &QPushButton::clicked, this, &ScoreTable::resetScores);
    connect(close_, &QPushButton::clicked, this, &QWidget::hide);

    // "Close" at the top right, beside the title, which gives way to it.
    auto* column = new QVBoxLayout(this);
    column->setSpacing(0);
    auto* top = new QHBoxLayout;
    top->addWidget(title_, 1);
    top->addWidget(close_, 0, Qt::AlignTop);
    column->addLayout(top);
    for (QLabel* l : {played_, won_, lost_, streak_, longest_}) column->addWidget(l);
    column->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(reset_);
    bottom->addStretch(1);
    column->addLayout(bottom);
    for (QLabel* l : {title_, played_, won_, lost_, streak_, longest_}) l->setMinimumWidth(1);
}

// The contents keep to the part of the panel inside the parent.
void ScoreTable::fitInsideParent() {
    if (!title_) return;
    const int margin = Pixels(MarginTwips, twipsPerPixel_);
    int right = margin, bottom = margin;
    if (const QWidget* p = parentWidget()) {
        right += std::clamp(x() + width() - p->width(), 0, width() - 2 * margin - close_->width());
        bottom +=
            std::clamp(y() + height() - p->height(), 0, height() - 2 * margin - close_->height());
    }
    layout()->setContentsMargins(margin, margin, right, bottom);
}

bool ScoreTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) fitInsideParent();
    return QFrame::eventFilter(watched, event);
}

void ScoreTable::setTwipsPerPixel(float twipsPerPixel) {
    if (!(twipsPerPixel > 0)) return;
    twipsPerPixel_ = twipsPerPixel;
    applySizes();
}

void ScoreTable::applySizes() {
    const float t = twipsPerPixel_;
    setGeometry(Pixels(LeftTwips, t), Pixels(TopTwips, t), Pixels(WidthTwips, t),
                Pixels(HeightTwips, t));
    if (!title_) return;
    QFont text = font();
    text.setPixelSize(std::max(6, Pixels(TextTwips, t)));
    for (QLabel* l : {played_, won_, lost_, streak_, longest_}) l->setFont(text);
    QFont bold = text;
    bold.setBold(true);
    title_->setFont(bold);
    // The buttons are as wide as their words, so that "Close" fits the part of the panel
    // a small window shows.
    for (QPushButton* b : {reset_, close_}) {
        b->setFont(text);
        b->setFixedSize(QFontMetrics(text).horizontalAdvance(b->text()) +
                            4 * Pixels(MarginTwips, t),
                        Pixels(ButtonHeightTwips, t));
    }
    // The same margin all round, inside the raised border, keeps the text clear of it.
    fitInsideParent();
}

void ScoreTable::setGameName(const QString& name) {
    const QString clean = CleanGameName(name);
    if (clean == gameName_) return;
    flushPending();
    gameName_ = clean;
    stored_ = {};
    refresh();
}

void ScoreTable::setStartupFlagB(bool loadStoredFigures) {
    if (!loadStoredFigures) return;
    QString why;
    const std::optional<ScoreBook> book = store_.read(&why);
    if (!book) {
        fail(why); // what is known stays shown
    } else {
        auto it = book->find(gameName_);
        stored_ = it == book->end() ? ScoreRecord{} : it->second;
    }
    refresh();
}

void ScoreTable::setStartupFlagA(bool keepResults) {
    keepResults_ = keepResults;
}

void ScoreTable::setGameWon(bool won) {
    if (keepResults_) {
        pending_.push_back({gameName_, won});
        flushPending();
    } else {
        stored_.record(won);
    }
    refresh();
}

void ScoreTable::setScoresRequested(bool requested) {
    if (!requested || !keepResults_) return;
    if (!flushPending()) return refresh(); // keep what we know; the error is shown
    setStartupFlagB(true);
}

bool ScoreTable::flushPending() {
    if (pending_.empty()) return true;
    ScoreBook book;
    const bool written = store_.update(
        [this](ScoreBook& b) {
            for (const Result& r : pending_) b[r.name].record(r.won);
        },
        &book);
    if (!written) {
        fail(store_.error());
        return false;
    }
    pending_.clear();
    lastError_.clear();
    stored_ = book[gameName_];
    return true;
}

void ScoreTable::resetScores() {
    const auto asked = qScopeGuard([this] { emit resetAsked(); });
    // The game is named as the panel's title names it ("ZARN scores").
    const QString question =
        QStringLiteral("Set the scores of %1 back to zero?").arg(gameName_.toUpper());
    if (confirm_ && !confirm_(this, question)) return;
    std::erase_if(pending_, [this](const Result& r) { return r.name == gameName_; });
    if (keepResults_) {
        const QString name = gameName_;
        if (!store_.update([&](ScoreBook& b) { b.erase(name); })) {
            fail(store_.error());
            return refresh();
        }
        lastError_.clear();
    }
    stored_ = {};
    refresh();
}

void ScoreTable::fail(const QString& error) {
    lastError_ = error;
    notices_.push_back({Notice::Refused, store_.path(),
                        QStringLiteral("The scores cannot be kept: %1. The results of this "
                                       "session are counted but not saved.")
                            .arg(error)});
}

ScoreRecord ScoreTable::figures() const {
    ScoreRecord r = stored_;
    for (const Result& p : pending_)
        if (p.name == gameName_) r.record(p.won);
    return r;
}

void ScoreTable::refresh() {
    if (!title_) return;
    const ScoreRecord r = figures();
    QString title = QStringLiteral("%1 scores").arg(gameName_.toUpper());
    if (!lastError_.isEmpty()) title += QStringLiteral(" (not saved)");
    title_->setText(title);
    title_->setToolTip(lastError_.isEmpty() ? QString()
                                            : QStringLiteral("Not saved: %1").arg(lastError_));
    played_->setText(QStringLiteral("Games played: %1").arg(r.played()));
    const int percent = r.winPercentage();
    won_->setText(percent < 0 ? QStringLiteral("Won: 0")
                              : QStringLiteral("Won: %1 (%2%)").arg(r.Won).arg(percent));
    lost_->setText(QStringLiteral("Lost: %1").arg(r.Lost));
    streak_->setText(QStringLiteral("Current streak: %1").arg(StreakText(r.Streak)));
    longest_->setText(QStringLiteral("Longest streaks: %1 won, %2 lost")
                          .arg(r.LongestWinStreak)
                          .arg(r.LongestLossStreak));
}

} // namespace zarn
