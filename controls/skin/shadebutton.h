#pragma once

#include "colour.h"
#include "shadebuttonmodel.h"

#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <cstdint>
#include <string>

class GrainGenerator;
class QLabel;

// A push button that draws its face from generated shaded images: a normal face, a lighter
// one while the pointer is over it and a pressed one moved a pixel in, with 3-D edges, a dotted
// focus frame and its text in its own font and colour, all on an off-screen surface copied in
// one step. It stays a QPushButton: clicks come as clicked(), the keyboard presses it, and
// screen readers meet a button with its text as name and its tool tip as description.
class CShadeButton : public QPushButton {
    Q_OBJECT
public:
    // Its grain is drawn from `grain`, which must outlive the button.
    CShadeButton(const QString& text, GrainGenerator& grain, QWidget* parent = nullptr);
    ~CShadeButton() override;

    // Makes every image from the button's current size (images are not remade on resize),
    // drawing the grain from the button's generator. Effects as ShadeParams lists them.
    void SetShade(int effect, std::uint8_t granularity, std::uint8_t highlight,
                  std::uint8_t coloring, COLORREF color, COLORREF lightColor, COLORREF midColor,
                  COLORREF darkColor);
    // The button's font: `face` (Windows-1252) at a cell height of `height` pixels, `weight`
    // 1 to 1000, italic and underline when non-zero. True when the font was made.
    bool SetTextFont(const std::string& face, int height, int weight, std::uint8_t italic,
                     std::uint8_t underline);
    // Returns the previous colour.
    COLORREF SetTextColor(COLORREF colour);
    // The tip shown while the pointer rests on the button: `checkedText`, when not empty,
    // while the button is checked, else `text` (Windows-1252). Never wider than 300 pixels.
    void SetToolTipText(const std::string& text, const std::string& checkedText);

    const ShadeButtonModel& Model() const { return m_model; }
    // The tool tip window, made by the first SetToolTipText; nullptr before.
    QLabel* ToolTipWindow() const { return m_toolTip; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ShowToolTip(const QPoint& globalPos);
    void HideToolTip();

    GrainGenerator& m_grain;
    ShadeButtonModel m_model;
    // The model's images as the surface draws them, made once per SetShade, in ShadeImage order.
    std::array<QImage, 5> m_images;
    QImage m_buffer; // the off-screen surface, kept between paints
    QLabel* m_toolTip = nullptr;
    QTimer m_toolTipTimer; // hides the tip after a while
};
