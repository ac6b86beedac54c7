// The program loop with a scripted window: what each wait delivers, what
// each paint was given, and how the loop answers.
#include "host/loop/program_loop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "host/core/monotonic_clock.h"
#include "host/core/number_format.h"
#include "host/core/pixel_mapping.h"
#include "host/core/random_generator.h"
#include "scene/designed_layout.h"

namespace bumblorbs {
namespace {

// Glyphs of nothing: the labels draw no ink, which the loop does not mind.
class EmptyGlyphs final : public GlyphSource {
public:
    std::optional<ArgbPicture> Line(std::string_view /*text*/, Colour /*colour*/) override {
        return ArgbPicture{{}, 0, 0};
    }
    std::optional<ArgbPicture> Wrapped(std::string_view /*text*/, Colour /*colour*/,
                                       int /*wrapWidth*/) override {
        return ArgbPicture{{}, 0, 0};
    }
    std::optional<InkSpan> Ink(char32_t /*point*/) override { return InkSpan{}; }
    std::optional<int> LineWidth(std::string_view /*text*/) override { return 0; }
    std::string Reason() const override { return {}; }
};

class EmptyFonts final : public GlyphSources {
public:
    std::unique_ptr<GlyphSource> Open(const LabelFont& /*font*/, int /*pixelSize*/,
                                      std::string_view /*mustDraw*/, bool& covered) override {
        covered = Covered;
        return std::make_unique<EmptyGlyphs>();
    }
    void ReleaseFinder() override {}

    bool Covered = true;
};

class CountingServices final : public LoopServices {
public:
    float SecondsSinceMidnight() override { return 43200.5F; }
    void SeedRandom(float seed) override { generator_.Seed(seed); }
    float NextRandom() override { return generator_.Next(); }
    std::string FormatNumber(std::int64_t value, std::string_view pattern) override {
        return FormatByPattern(value, pattern, separator_);
    }
    void SoundBeep() override {}
    void UnloadWindow() override { unloaded_ = true; }
    bool Unloaded() const override { return unloaded_; }
    void Ticked() override { ++Ticks; }
    const std::string& GroupSeparator() const override { return separator_; }

    int Ticks = 0;

private:
    RandomGenerator generator_;
    std::string separator_ = ",";
    bool unloaded_ = false;
};

// What one paint was given.
struct Painted {
    bool Everything = false;
    Colour Background = 0;
    std::int64_t Bounces = 0;
};

class RecordingCanvas final : public WindowCanvas {
public:
    void Present(SceneFrame& frame) override {
        const Scene& scene = frame.Showing();
        Paints.push_back({frame.Changes().Everything, scene.BackColor(), scene.BounceCount()});
    }
    std::vector<Painted> Paints;
};

// A window whose every wait runs the next step of a script, then sleeps to
// the deadline it was given, as a window system with nothing to say does.
// A script that runs out closes the window.
class ScriptedWindow final : public HostWindow {
public:
    using Step = std::function<void(WindowEvents&)>;

    void Show() override { ++Shows; }
    PixelSize SizeInPixels() const override { return {640, 480}; }
    float Dpi() const override { return 96; }
    void Wait(std::optional<std::int64_t> deadlineNs, WindowEvents& events) override {
        Deadlines.push_back(deadlineNs);
        if (Script.empty()) {
            events.CloseRequested();
            return;
        }
        Step step = std::move(Script.front());
        Script.erase(Script.begin());
        step(events);
        for (std::int64_t left = deadlineNs.value_or(0) - MonotonicNs(); left > 0;
             left = *deadlineNs - MonotonicNs()) {
            std::this_thread::sleep_for(std::chrono::nanoseconds(left));
        }
    }
    WindowCanvas& Canvas() override { return Canvas_; }
    void ShowFatal(std::string_view /*message*/) override {}

    std::vector<Step> Script;
    std::vector<std::optional<std::int64_t>> Deadlines;
    RecordingCanvas Canvas_;
    int Shows = 0;
};

class ProgramLoopTest : public ::testing::Test {
protected:
    static ScriptedWindow::Step Nothing() {
        return [](WindowEvents& /*events*/) {};
    }
    // The twips the designed form gives a label, in the window's pixels.
    static std::pair<float, float> InsideLabel(const Scene& scene) {
        const TwipRect box = scene.Label(LabelId::Label1).Box;
        const float twipsPerPixel = TwipsPerPixelAt(96);
        return {static_cast<float>(box.Left + box.Width / 2) / twipsPerPixel,
                static_cast<float>(box.Top + box.Height / 2) / twipsPerPixel};
    }

    ScriptedWindow window_;
    CountingServices services_;
    EmptyFonts fonts_;
};

TEST_F(ProgramLoopTest, PaintsAtOnceThenTicksUntilTheWindowCloses) {
    window_.Script = {Nothing(), Nothing(), Nothing()};
    ProgramLoop form1(window_, services_, fonts_);
    EXPECT_TRUE(form1.AllTextCovered());
    form1.Run();

    EXPECT_EQ(window_.Shows, 1);
    ASSERT_FALSE(window_.Canvas_.Paints.empty());
    EXPECT_TRUE(window_.Canvas_.Paints.front().Everything);
    // Three scripted waits, then the close: every wait had a tick due.
    ASSERT_EQ(window_.Deadlines.size(), 4U);
    for (const auto& deadline : window_.Deadlines) {
        EXPECT_TRUE(deadline.has_value());
    }
    EXPECT_EQ(services_.Ticks, 3);
}

TEST_F(ProgramLoopTest, ClicksOnALabelNeverReachTheRules) {
    const Scene designed(DesignedLayout);
    const auto [labelX, labelY] = InsideLabel(designed);
    // A left click on a label, then one on the background, then a right
    // click on a label, then one on the background, which unloads.
    window_.Script = {
        [&](WindowEvents& events) { events.Released(MouseButton::Left, {}, labelX, labelY); },
        [&](WindowEvents& events) { events.Released(MouseButton::Left, {}, 1, 1); },
        [&](WindowEvents& events) {
            events.Released(MouseButton::Right, {.Shift = true}, labelX, labelY);
        },
        [&](WindowEvents& events) { events.Released(MouseButton::Right, {}, 1, 1); },
        Nothing(),
    };
    ProgramLoop form1(window_, services_, fonts_);
    form1.Run();

    const std::vector<Painted>& paints = window_.Canvas_.Paints;
    ASSERT_GE(paints.size(), 3U);
    EXPECT_EQ(paints[1].Background, paints[0].Background) << "the label took the click";
    EXPECT_NE(paints[2].Background, paints[1].Background) << "the background took the click";
    // The right click on the background unloaded: its scripted step after
    // it never ran.
    EXPECT_EQ(window_.Deadlines.size(), 4U);
    EXPECT_EQ(window_.Script.size(), 1U);
}

TEST_F(ProgramLoopTest, AHiddenWindowNeitherTicksNorPaintsAndRepaintsWhollyWhenRestored) {
    window_.Script = {
        [](WindowEvents& events) { events.Hidden(); },
        Nothing(),
        [](WindowEvents& events) { events.Restored(); },
        Nothing(),
    };
    ProgramLoop form1(window_, services_, fonts_);
    form1.Run();

    // Hidden: the next waits have no deadline, and nothing ticks or paints
    // until the window is restored.
    ASSERT_EQ(window_.Deadlines.size(), 5U);
    EXPECT_TRUE(window_.Deadlines[0].has_value());
    EXPECT_FALSE(window_.Deadlines[1].has_value());
    EXPECT_FALSE(window_.Deadlines[2].has_value());
    EXPECT_TRUE(window_.Deadlines[3].has_value());
    EXPECT_EQ(services_.Ticks, 1);
    const std::vector<Painted>& paints = window_.Canvas_.Paints;
    ASSERT_GE(paints.size(), 2U);
    EXPECT_TRUE(paints[1].Everything);
}

TEST_F(ProgramLoopTest, SaysWhenTheFontsMissSomeOfTheText) {
    fonts_.Covered = false;
    const ProgramLoop form1(window_, services_, fonts_);
    EXPECT_FALSE(form1.AllTextCovered());
}

}  // namespace
}  // namespace bumblorbs
