#pragma once

#include "printsurface.h"

#include <string>
#include <string_view>
#include <vector>

// One call made on a print surface: its name, its integer arguments and its text.
struct PrintCall {
    std::string op;
    std::vector<int> args;
    std::string text;
};

// A print surface that records the drawing calls and answers with the metrics it is given:
// by default a 600 dpi page of 8 × 11 printable inches and a font 50 pixels high with 8 of
// leading, whose characters are 25 pixels wide each.
class RecordingSurface : public PrintSurface {
public:
    int nWidth = 4800;
    int nHeight = 6600;
    int nPpiX = 600;
    int nPpiY = 600;
    PrintFontMetrics font{50, 8};
    int nCharWidth = 25;
    PrintBitmapSize logo{125, 49}; // bitmap 132; every other id is missing
    std::vector<PrintCall> calls;

    void StartDocument(const std::string& name) override { Record("StartDocument", {}, name); }
    void EndDocument() override { Record("EndDocument"); }
    void StartPage() override { Record("StartPage"); }
    void EndPage() override { Record("EndPage"); }
    int PrintableWidth() const override { return nWidth; }
    int PrintableHeight() const override { return nHeight; }
    int PixelsPerInchX() const override { return nPpiX; }
    int PixelsPerInchY() const override { return nPpiY; }
    void SelectDefaultFont() override { Record("SelectDefaultFont"); }
    PrintFontMetrics FontMetrics() const override { return font; }
    void TextOut(int x, int y, const std::string& text) override {
        Record("TextOut", {x, y}, text);
    }
    int TextWidth(const std::string& text) const override {
        return static_cast<int>(text.size()) * nCharWidth;
    }
    void SetTextColor(COLORREF color) override {
        Record("SetTextColor", {static_cast<int>(color)});
    }
    void SelectSolidPen(int width, COLORREF color) override {
        Record("SelectSolidPen", {width, static_cast<int>(color)});
    }
    void Line(int x0, int y0, int x1, int y1) override { Record("Line", {x0, y0, x1, y1}); }
    PrintBitmapSize BitmapSize(int id) const override {
        return id == 132 ? logo : PrintBitmapSize{};
    }
    void StretchBitmap(int id, int x, int y, int width, int height) override {
        Record("StretchBitmap", {id, x, y, width, height});
    }
    void SaveState() override { Record("SaveState"); }
    void RestoreState() override { Record("RestoreState"); }

    std::vector<PrintCall> Only(std::string_view op) const {
        std::vector<PrintCall> found;
        for (const PrintCall& call : calls)
            if (call.op == op)
                found.push_back(call);
        return found;
    }
    std::vector<std::string> Ops() const {
        std::vector<std::string> ops;
        for (const PrintCall& call : calls)
            ops.push_back(call.op);
        return ops;
    }

private:
    void Record(std::string op, std::vector<int> args = {}, std::string text = {}) {
        calls.push_back({std::move(op), std::move(args), std::move(text)});
    }
};
