#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/shared/palette.h"

namespace velmora {

// What the screen models publish and their widgets draw, whatever the screen.

enum class CursorKind { Default, Hand, NotAllowed, NoDrop };

// What a list row or grid cell is: the marks of the work lines ("-" heading, "<" icon row).
enum class RowKind { Plain, Heading, Icon };

// One list row or grid cell, ready to draw: fill the cell with `fill` (the control's background
// colour when empty), draw icon `icon` of the control's image list at (left + iconLeft,
// top + iconTop) when icon >= 0 (stretched to iconWidth x iconHeight when those are set), write
// `text` at (left + textLeft, top + textTop) in `colour`, bold when `bold`, on `textBackground`
// when set.
struct Cell {
    QString text;
    RowKind kind = RowKind::Plain;
    int icon = -1;
    int iconLeft = 2;
    int iconTop = 0;
    int iconWidth = 0;  // 0: the picture's own size
    int iconHeight = 0;
    int textLeft = 0;
    int textTop = 0;
    Rgb colour = ColourOf(PaletteColour::Black);
    std::optional<Rgb> fill;
    std::optional<Rgb> textBackground;  // behind the text only
    bool bold = false;

    friend bool operator==(const Cell&, const Cell&) = default;
};

// A grid row: column 0 and column 1.
using GridRow = std::array<Cell, 2>;

// The effects a panel is hidden and shown again with when its contents are rebuilt: a roll from
// its top edge, or a circle from its centre.
enum class TransitionKind { Roll, Radial };

// A reveal or hide effect a widget plays once on one of its screen's panels: the panel rolls
// open, rolls shut (hidden at the end), or rolls shut and open again around new contents.
enum class PanelEffectKind { Open, Close, CloseThenOpen };
template <typename Control>
struct PanelEffect {
    using Kind = PanelEffectKind;
    Control panel;
    Kind kind;
};

// Where a section screen's back button leads: the assistant while the screen was opened from
// it, otherwise the home screen (the scene when animation is enabled, else the main menu).
enum class LeaveTo { Assistant, Scene, MainMenu };
constexpr LeaveTo BackTarget(bool assistantMode, bool animationEnabled) {
    if (assistantMode) return LeaveTo::Assistant;
    return animationEnabled ? LeaveTo::Scene : LeaveTo::MainMenu;
}

// The state of a screen's named controls, indexed by the screen's control enumeration: whether
// each is shown and enabled, its caption, hint and pointer. The setters answer whether anything
// changed, so that a model marks only what its widget must redraw.
template <typename Control, int N>
struct ControlStates {
    static constexpr int kCount = N;

    std::array<bool, N> visible{};
    std::array<bool, N> enabled{};
    std::array<QString, N> caption{};
    std::array<QString, N> hint{};
    std::array<CursorKind, N> cursor{};

    ControlStates() {
        visible.fill(true);
        enabled.fill(true);
        cursor.fill(CursorKind::Default);
    }

    static constexpr size_t At(Control c) { return static_cast<size_t>(c); }

    bool isVisible(Control c) const { return visible[At(c)]; }
    bool isEnabled(Control c) const { return enabled[At(c)]; }
    const QString& captionOf(Control c) const { return caption[At(c)]; }

    bool setVisible(Control c, bool on) { return Set(visible[At(c)], on); }
    bool setEnabled(Control c, bool on) { return Set(enabled[At(c)], on); }
    bool setCaption(Control c, const QString& text) { return Set(caption[At(c)], text); }
    bool setHint(Control c, const QString& text) { return Set(hint[At(c)], text); }
    bool setCursor(Control c, CursorKind kind) { return Set(cursor[At(c)], kind); }

  private:
    template <typename T>
    static bool Set(T& slot, const T& value) {
        if (slot == value) return false;
        slot = value;
        return true;
    }
};

// The one-shot requests a screen model makes of its widget besides what its view shows: scroll a
// list or grid to a top row, give a control the focus.
// The changes of a window opened over another screen, which hid itself: the parts that changed
// (a screen's own Part flags) and whether that screen is to be shown again.
struct OwnedWindowChanges {
    unsigned parts = 0;
    bool showOwner = false;

    bool any() const { return parts != 0 || showOwner; }
    bool has(unsigned part) const { return (parts & part) != 0; }
};

template <typename Control>
struct ScreenRequests {
    struct Scroll {
        Control control;
        int topRow;           // the row to bring to the top
        bool clearSelection;  // and no selected cell or row
    };
    std::vector<Scroll> scrolls;
    std::optional<Control> focus;
};

// What a screen model publishes: its view, and the parts of it changed since the widget last
// took them. `Changes` has `parts` and a part `Controls` for the named controls' states.
template <typename View, typename Changes>
class ScreenPublisher {
  public:
    const View& view() const { return view_; }
    Changes takeChanges() { return std::exchange(changes_, Changes{}); }
    // For a widget that is told of changes rather than looking after each call: called when a
    // handler that runs under a Handler has changed something.
    void setOnChange(std::function<void()> listener) { onChange_ = std::move(listener); }

  protected:
    // Counts nested handler calls so that the listener hears of the changes once, when the
    // outermost handler returns.
    class Handler {
      public:
        explicit Handler(ScreenPublisher& publisher) : publisher_(publisher) {
            ++publisher_.handlerDepth_;
        }
        ~Handler() {
            if (--publisher_.handlerDepth_ == 0 && publisher_.onChange_ &&
                publisher_.changes_.any())
                publisher_.onChange_();
        }
        Handler(const Handler&) = delete;
        Handler& operator=(const Handler&) = delete;

      private:
        ScreenPublisher& publisher_;
    };

    void touch(typename Changes::Part part) { changes_.parts |= part; }
    template <typename Control>
    void setVisible(Control control, bool on) {
        if (view_.controls.setVisible(control, on)) touch(Changes::Controls);
    }
    template <typename Control>
    void setCaption(Control control, const QString& text) {
        if (view_.controls.setCaption(control, text)) touch(Changes::Controls);
    }

    View view_;
    Changes changes_;

  private:
    std::function<void()> onChange_;
    int handlerDepth_ = 0;
};

// The name of control c from a screen's table of names, and back.
template <typename Control, size_t N>
constexpr std::string_view NameIn(const std::array<std::string_view, N>& names, Control c) {
    return names[static_cast<size_t>(c)];
}
template <typename Control, size_t N>
std::optional<Control> ControlIn(const std::array<std::string_view, N>& names,
                                 std::string_view name) {
    for (size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<Control>(i);
    return std::nullopt;
}

}  // namespace velmora
