#include "tools/script/ScriptDriver.h"

#include "game/Cards.h"
#include "game/Game.h"
#include "game/PictureTable.h"
#include "game/Rules.h"
#include "play/TableCommands.h"
#include "play/TablePointer.h"
#include "table/CardMetrics.h"
#include "table/Layout.h"

#include <cctype>
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zarn {

namespace {

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The driver stops when the player answers No.
struct ScriptEnded {};

std::string Shortest(float v) {
    char buf[32];
    auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    return std::string(buf, end);
}

class Driver : public GameHost {
public:
    explicit Driver(std::ostream& out)
        : out_(out), game_(surface_, *this), pointer_(game_, surface_), commands_(game_, *this) {
        SetScale(DefaultScale);
        game_.state().Speed = SpeedFor(DefaultSpeedValue);
    }

    void Run(const std::string& line) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (!w.empty()) Execute(w);
    }

    // GameHost
    // Runs the injected commands whose yield has come, in the order they were given.
    void processEvents() override {
        ++yields_;
        std::vector<std::vector<std::string>> due;
        for (auto it = injected_.begin(); it != injected_.end();) {
            if (--it->first > 0) {
                ++it;
                continue;
            }
            due.push_back(std::move(it->second));
            it = injected_.erase(it);
        }
        for (auto& command : due) Execute(command);
    }
    bool showGameOver(bool won) override {
        out_ << "gameover " << (won ? "won" : "blocked") << "\n";
        if (answerYes_) return true;
        out_ << "exit\n";
        ended_ = true;
        return false;
    }
    void setSizeCommandsEnabled(bool enabled) override {
        if (enabled == sizeCommands_) return;
        sizeCommands_ = enabled;
        out_ << "sizecommands " << (enabled ? "on" : "off") << "\n";
    }
    bool sizeCommandsEnabled() const override { return sizeCommands_; }
    void layOutDeal() override { commands_.LayOut(); }
    void glideStarted(int card, int target, int steps) override {
        out_ << "glide " << card << " " << target << " " << steps << "\n";
    }

    bool ended() const { return ended_; }

private:
    GameState& s() { return game_.state(); }
    const GameState& s() const { return game_.state(); }

    void SetScale(float scale) {
        ApplyCardScale(s(), scale, SizeOccasion::StartUp);
        TableOrigin origin = OriginFor(s());
        surface_.move(0, origin.x, origin.y);
    }

    void Execute(const std::vector<std::string>& w) {
        const std::string& c = w[0];
        if (c == "scale") {
            Expect(w, 2);
            float v = Number<float>(w[1]);
            if (!(v >= MinScale && v <= MaxScale)) throw ScriptError("scale out of range");
            SetScale(v);
        } else if (c == "deal") {
            Expect(w, 53);
            std::array<i16, 52> order{};
            std::array<bool, 53> seen{};
            for (int i = 0; i < 52; ++i) {
                int card = CardArg(w[i + 1], 52);
                if (seen[card]) throw ScriptError("card " + w[i + 1] + " dealt twice");
                seen[card] = true;
                order[i] = static_cast<i16>(card);
            }
            TableCommand(w, commands_.Deal(order));
        } else if (c == "shuffle") {
            Expect(w, 1);
            TableCommand(w, commands_.DealAgain());
        } else if (c == "reset") {
            Expect(w, 1);
            TableCommand(w, commands_.ResetPositions());
        } else if (c == "size") {
            Expect(w, 2);
            if (w[1] != "up" && w[1] != "down") throw ScriptError("size up or size down");
            TableCommand(w, commands_.ChangeCardSize(w[1] == "up"));
        } else if (c == "undo") {
            Expect(w, 1);
            TableCommand(w, commands_.UndoLastMove());
        } else if (c == "lift") {
            Expect(w, 2);
            PickUpCards(s(), CardArg(w[1], 52));
            PrintMoving();
        } else if (c == "test") {
            Expect(w, 3);
            TestMove(s(), CardArg(w[1], 72), PileArg(w[2]));
            out_ << "status " << s().MoveStatus << "\n";
        } else if (c == "single") {
            Expect(w, 2);
            HoldSingle(s(), CardArg(w[1], 52));
        } else if (c == "press") {
            Expect(w, 5);
            const int picture = CardArg(w[1], 76);
            Press(surface_.left(picture) + Number<float>(w[3]),
                  surface_.top(picture) + Number<float>(w[4]), ButtonArg(w[2]));
        } else if (c == "dragto") {
            Expect(w, 3);
            PointerTo(Number<float>(w[1]), Number<float>(w[2]));
        } else if (c == "release") {
            Expect(w, 1);
            ReleaseButton();
        } else if (c == "drag") {
            Expect(w, 3);
            Drag(CardArg(w[1], 52), PileArg(w[2]));
        } else if (c == "dblclick") {
            Expect(w, 2);
            const auto [x, y] = VisiblePoint(CardArg(w[1], 76));
            pointer_.DoubleClick(x, y);
        } else if (c == "rightclick") {
            Expect(w, 2);
            const auto [x, y] = VisiblePoint(CardArg(w[1], 76));
            Press(x, y, MouseButton::Right);
            ReleaseButton();
        } else if (c == "automove") {
            Expect(w, 2);
            if (w[1] != "on" && w[1] != "off") throw ScriptError("automove on or automove off");
            if ((w[1] == "on") != (s().AutoMove == Yes)) game_.ToggleAutoMove();
        } else if (c == "speed") {
            Expect(w, 2);
            int v = Number<int>(w[1]);
            if (v < MinSpeedValue || v > MaxSpeedValue) throw ScriptError("speed must be 1..100");
            s().Speed = SpeedFor(v);
        } else if (c == "answer") {
            Expect(w, 2);
            if (w[1] != "yes" && w[1] != "no") throw ScriptError("answer yes or answer no");
            answerYes_ = w[1] == "yes";
        } else if (c == "close") {
            // The window is closed: automatic play stops at its next step, and nothing
            // moves any more.
            Expect(w, 1);
            game_.Abandon();
        } else if (c == "inject") {
            // inject [N] COMMAND: COMMAND runs at the N-th yield from now (the next one
            // by default), during a glide or at the start of a pass of the sweep.
            size_t first = 1;
            int yields = 1;
            if (w.size() > 1 && !w[1].empty() &&
                std::isdigit(static_cast<unsigned char>(w[1][0]))) {
                yields = Number<int>(w[1]);
                if (yields < 1) throw ScriptError("inject counts yields from 1");
                first = 2;
            }
            if (w.size() <= first) throw ScriptError("inject needs a command");
            if (w[first] == "inject") throw ScriptError("inject cannot inject itself");
            injected_.emplace_back(yields,
                                   std::vector<std::string>(w.begin() + long(first), w.end()));
        } else if (c == "print") {
            Expect(w, 2);
            Print(w[1]);
        } else {
            throw ScriptError("unknown command '" + c + "'");
        }
        if (ended_) throw ScriptEnded{};
    }

    // The commands that change the table obey the game's rule for automatic play: one
    // that comes while cards glide on their own waits until the automatic play stops;
    // once the window is closed none runs.
    void TableCommand(const std::vector<std::string>& w, bool ran) {
        if (!ran) out_ << (game_.Ended() ? "ignored " : "deferred ") << w[0] << "\n";
    }

    // The middle of the part of a picture that shows: a card covered by the next card
    // of its pile shows the strip above that card.
    std::pair<float, float> VisiblePoint(int picture) const {
        float visible = s().CardHeight;
        if (picture <= CardCount) {
            const std::string& own = s().Piles[s().PileOf[picture]];
            for (int i = 0; i + 1 < FieldCount(own); ++i)
                if (FieldAt(own, i) == picture)
                    visible = surface_.top(FieldAt(own, i + 1)) - surface_.top(picture);
        }
        return {surface_.left(picture) + s().CardWidth / 2.0f,
                surface_.top(picture) + visible / 2.0f};
    }

    void Press(float x, float y, MouseButton button) {
        pointerX_ = x;
        pointerY_ = y;
        held_ = Held(button);
        button_ = button;
        pointer_.Press(x, y, button);
    }

    void PointerTo(float x, float y) {
        pointerX_ = x;
        pointerY_ = y;
        pointer_.Move(x, y, held_);
    }

    void ReleaseButton() {
        held_ = 0;
        pointer_.Release(pointerX_, pointerY_, button_, held_, true);
    }

    // Press the card in the middle of its visible strip and carry its corner a quarter
    // of a card inside the top card (or marker) of the pile.
    void Drag(int card, int pile) {
        const auto [x0, y0] = VisiblePoint(card);
        const float dx = x0 - surface_.left(card), dy = y0 - surface_.top(card);
        const int target = TopCard(s(), pile);
        const float x = surface_.left(target) + s().CardWidth / 4.0f;
        const float y = surface_.top(target) + s().CardHeight / 4.0f;
        Press(x0, y0, MouseButton::Left);
        PointerTo(x + dx, y + dy);
        ReleaseButton();
    }

    void PrintMoving() {
        out_ << "moving " << s().MovingCards[0];
        for (int i = 1; i <= s().MovingCards[0]; ++i) out_ << " " << s().MovingCards[i];
        out_ << "\n";
    }

    void Print(const std::string& what) {
        const GameState& st = s();
        if (what == "piles") {
            for (int p = 1; p <= PileTotal; ++p)
                out_ << "pile " << p << " \"" << st.Piles[p] << "\"\n";
        } else if (what == "homes") {
            for (int i = 1; i <= 72; ++i)
                out_ << "home " << i << " " << st.CardHomeX[i] << " " << st.CardHomeY[i] << "\n";
        } else if (what == "status") {
            out_ << "status " << st.MoveStatus << "\n";
        } else if (what == "history") {
            out_ << "history\n";
            for (const auto& line : st.MovesList) out_ << "\"" << line << "\"\n";
        } else if (what == "window") {
            out_ << "window " << st.WindowWidth << " " << st.WindowHeight << "\n";
        } else if (what == "frames") {
            out_ << "speedframe " << Shortest(st.SpeedFrameLeft) << " "
                 << Shortest(st.SpeedFrameTop) << "\n";
            out_ << "cornerrect " << Shortest(st.CornerLeft) << " " << Shortest(st.CornerTop) << " "
                 << Shortest(st.CornerWidth) << " " << Shortest(st.CornerHeight) << "\n";
        } else if (what == "minsize") {
            WindowSize m = MinimumWindowSize(st, surface_);
            out_ << "minsize " << m.width << " " << m.height << "\n";
        } else if (what == "moving") {
            PrintMoving();
        } else if (what == "stopover") {
            out_ << "stopover \"" << st.StopoverCells << "\"\n";
        } else if (what == "counts") {
            out_ << "counts " << st.PileCount[17] << " " << st.PileCount[18] << " "
                 << st.PileCount[19] << " " << st.PileCount[20] << "\n";
        } else if (what == "drawing") {
            out_ << "drawing";
            for (int p : surface_.drawingOrder())
                if (p >= 1 && p <= 52) out_ << " " << p;
            out_ << "\n";
        } else if (what == "front") {
            out_ << "front " << surface_.drawingOrder().back() << "\n";
        } else if (what == "yields") {
            // The times the game let the window system run since the last such line.
            out_ << "yields " << yields_ << "\n";
            yields_ = 0;
        } else if (what == "reveal") {
            out_ << "reveal";
            for (int r = RevealFirst; r <= 76; ++r)
                if (surface_.isVisible(r)) out_ << " " << r;
            out_ << "\n";
        } else {
            throw ScriptError("cannot print '" + what + "'");
        }
    }

    static void Expect(const std::vector<std::string>& w, size_t count) {
        if (w.size() != count)
            throw ScriptError("'" + w[0] + "' takes " + std::to_string(count - 1) + " argument(s)");
    }

    template <class T> static T Number(const std::string& text) {
        T v{};
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
        if (ec != std::errc() || end != text.data() + text.size())
            throw ScriptError("'" + text + "' is not a number");
        return v;
    }
    static int CardArg(const std::string& text, int last) {
        int v = Number<int>(text);
        if (v < 1 || v > last)
            throw ScriptError("card " + text + " is not 1.." + std::to_string(last));
        return v;
    }
    static int PileArg(const std::string& text) {
        int v = Number<int>(text);
        if (v < 1 || v > PileTotal) throw ScriptError("pile " + text + " is not 1..20");
        return v;
    }
    static MouseButton ButtonArg(const std::string& text) {
        if (text == "left") return MouseButton::Left;
        if (text == "right") return MouseButton::Right;
        if (text == "middle") return MouseButton::Middle;
        throw ScriptError("button must be left, right or middle");
    }

    std::ostream& out_;
    PictureTable surface_;
    Game game_;
    TablePointer pointer_;
    TableCommands commands_;
    std::vector<std::pair<int, std::vector<std::string>>> injected_; // yields to go, command
    bool answerYes_ = true;
    bool sizeCommands_ = true;
    bool ended_ = false;
    long yields_ = 0;
    float pointerX_ = 0, pointerY_ = 0;
    HeldButtons held_ = 0;
    MouseButton button_ = MouseButton::Left;
};

} // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err) {
    Driver driver(out);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        try {
            driver.Run(line);
        } catch (const ScriptError& e) {
            out.flush();
            err << "error: line " << number << ": " << e.what() << "\n";
            return 2;
        } catch (const ScriptEnded&) {
            return 0;
        }
    }
    return 0;
}

} // namespace zarn
