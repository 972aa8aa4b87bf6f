#pragma once

#include "buttonshade.h"
#include "colour.h"
#include "edgelines.h"
#include "rect.h"

#include <cstdint>
#include <string>
#include <vector>

class GrainGenerator;

enum class ShadeTextAlign { Left, Centre, Right };

// The images a paint of the button draws.
enum class ShadeImage { Normal, Hover, Pressed, FocusHorizontal, FocusVertical };

struct ShadeImageAt {
    ShadeImage image;
    int x;
    int y;
};

// The font the button keeps a description of; every other attribute is zero.
struct ShadeFontDescription {
    std::string face; // Windows-1252, at most 31 characters
    int height = 0;   // cell height, pixels
    int weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
};

// What the platform tells a paint: the item rectangle (normally the whole button) and its state.
struct ShadeItemState {
    Rect item;
    bool selected = false; // pushed
    bool focused = false;  // has the keyboard focus
    bool isDefault = false;
};

// One paint of the button, in drawing order: the face image, or the item rectangle filled with
// the button-face colour when that image is not made yet; the 3-D edges; the dotted focus lines;
// the text in `text`, vertically centred on one line.
struct ShadePaintPlan {
    bool faceFilled = false;
    ShadeImageAt face{};
    std::vector<std::pair<Rect, EdgeStyle>> edges;
    std::vector<ShadeImageAt> focusLines;
    Rect text;
};

// What a pointer move asks of the button.
enum class ShadePointerAction { None, Push, Release, Repaint };

// A shaded push button without its window: the images, the text colour and font, the tool tip
// texts, the pointer states (hovering, pressed by mouse) and what each paint draws where.
class ShadeButtonModel {
public:
    static constexpr int kToolTipMaxWidth = 300; // pixels
    static constexpr std::size_t kMaxFaceName = 31;

    // When the button gets its window: a push button, or a button whose style asks for a
    // push-like look, is push-like (its text moves when pressed); any other draws no edges.
    void Attach(bool pushButton, bool pushLikeStyle, ShadeTextAlign align);

    // Builds every image for a width x height button, drawing the grain from `grain`.
    void SetShade(const ShadeParams& params, int width, int height, GrainGenerator& grain);
    const ButtonShade& Shade() const { return m_shade; }
    const CShadeDib& Image(ShadeImage image) const;

    // Keeps the description (the face cut to 31 characters) and returns it.
    const ShadeFontDescription& SetTextFont(std::string face, int height, int weight,
                                            std::uint8_t italic, std::uint8_t underline);
    const ShadeFontDescription* TextFont() const { return m_hasFont ? &m_font : nullptr; }
    // Returns the previous colour.
    COLORREF SetTextColor(COLORREF colour);
    COLORREF TextColor() const { return m_textColour; }
    ShadeTextAlign TextAlign() const { return m_align; }

    // Keeps both texts; true on the first call, when the tool tip is to be made.
    bool SetToolTipText(std::string text, std::string checkedText);
    // The checked text while checked, when there is one; the text otherwise.
    const std::string& ToolTipText(bool checked) const;

    // A pointer move, over the button or not, while the button is pushed or not.
    ShadePointerAction OnMouseMove(bool overButton, bool pushed);
    // The pointer has left the button: repaint.
    void OnLeave() { m_hovering = false; }
    void OnLeftDown();
    void OnLeftUp() { m_pressedByMouse = false; }
    // True when the button held the mouse: the capture is to be released.
    bool OnFocusLost();
    bool Hovering() const { return m_hovering; }
    bool PressedByMouse() const { return m_pressedByMouse; }

    ShadePaintPlan Paint(const ShadeItemState& state) const;

private:
    ButtonShade m_shade;
    ShadeFontDescription m_font;
    bool m_hasFont = false;
    COLORREF m_textColour = 0;
    ShadeTextAlign m_align = ShadeTextAlign::Centre;
    std::uint16_t m_border = 4; // inset of the text and of the focus frame
    int m_edge = 1;             // width of the pressed offset; 0 draws no edges
    bool m_pushLike = false;
    bool m_hovering = false;
    bool m_pressedByMouse = false;
    bool m_toolTipMade = false;
    std::string m_toolTipText;
    std::string m_checkedText;
};
