#pragma once

#include "dialogunits.h"
#include "mainwindowmodel.h"
#include "numberedit.h"
#include "tuberating.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

// The "Check a Tube" dialog without the dialog: two fields for a tube's inner diameter and
// length, and what that tube serves at the main window's refrigerant, temperatures and units,
// rated afresh at every change of either field.
class TubeCheckModel {
public:
    enum Input { Diameter, Length, InputCount };

    // `window` must outlive the model. The fields type with the number characters of `numbers`,
    // as many whole digits as the main window's fields and no minus (a tube has no negative
    // size). The diameter takes five decimals: a diameter of a millimetre list in inches
    // (0.5 mm is 0.019685 in.) cut to three would change its flow by several per cent.
    static constexpr int kDiameterDecimals = 5;
    explicit TubeCheckModel(const MainWindowModel& window,
                            const NumberLocale& numbers = NumberLocale{});
    TubeCheckModel(const TubeCheckModel&) = delete;
    TubeCheckModel& operator=(const TubeCheckModel&) = delete;

    // A field reads as 0 and ignores new values until a text field is attached to it.
    CNumberEdit& Field(Input which) { return *m_fields[which]; }
    // Puts the window's selected tube into the fields; leaves them alone while the window shows
    // no tube.
    void OfferSelectedTube();

    // The unit of a field in force ("mm", "inches"), Windows-1252.
    std::string UnitLabel(Input which) const; // "mm", "in.", "m"

    // Runs after every new rating.
    void SetChangeCallback(std::function<void()> callback) { m_onChange = std::move(callback); }
    const TubeRating& Rating() const { return m_rating; }
    // "Flow Rate: 0.35 CFM (N2 at delta p 145 psi)"; empty while the tube gives no flow.
    std::string FlowLine() const;
    // "Heat load of the system: 100.00 W", or the rating's message when there is no heat load
    // to use. Windows-1252.
    std::string AnswerLine() const;

    // The dialog's template in dialog units: the two labelled fields, the flow and the answer
    // under them, a Close button at the bottom centre.
    static constexpr int kWidth = 220;
    static constexpr int kHeight = 104;
    static constexpr std::array<DialogItem, InputCount> kLabelItems{
        DialogItem{DialogItem::kNoId, Rect::FromSize(7, 9, 96, 8)},
        DialogItem{DialogItem::kNoId, Rect::FromSize(7, 27, 96, 8)}};
    static constexpr std::array<DialogItem, InputCount> kFieldItems{
        DialogItem{1001, Rect::FromSize(106, 7, 70, 12)},
        DialogItem{1002, Rect::FromSize(106, 25, 70, 12)}};
    static constexpr DialogItem kFlowItem{1003, Rect::FromSize(7, 46, 206, 8)};
    static constexpr DialogItem kAnswerItem{1004, Rect::FromSize(7, 58, 206, 18)};
    static constexpr DialogItem kCloseItem{1, Rect::FromSize(85, 83, 50, 14)};

private:
    void Rate();

    const MainWindowModel& m_window;
    std::array<std::unique_ptr<CNumberEdit>, InputCount> m_fields;
    TubeRating m_rating;
    std::function<void()> m_onChange;
};
