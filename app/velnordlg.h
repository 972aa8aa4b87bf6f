#pragma once

#include "bitmaps.h"
#include "diagramcache.h"
#include "mainwindowmodel.h"
#include "messages.h"
#include "persistentsettings.h"
#include "qttextfield.h"
#include "summarypainter.h"

#include <QImage>

#include <QDialog>
#include <QTimer>

#include <array>
#include <memory>

class CBitComboBox;
class QLabel;
class QLineEdit;
class CShadeButton;
class CSkinListCtrl;
class CLinkStatic;
class GrainGenerator;
class SettingsStore;
class PersistentSettings;
struct ProductIdentity;

// The main window: owns the model, the controls and the recalculation timer, restores and
// saves the user's settings, and forwards every event to the model. The unit settings, the
// product identity and the buttons' grain are the application's; the window fills the identity
// when it is made.
class CVelnorDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTimerId = 100;
    static constexpr int kTimerPeriodMs = 1000;
    static constexpr int kAboutCommand = 16;
    // The window menu's own commands besides "&About...".
    static constexpr int kCopyCommand = 32;
    static constexpr int kCheckTubeCommand = 48;
    // The window icon is set after the first frame, or this long after the window is shown.
    static constexpr int kIconLateMs = 1000;

    // `units`, `identity`, `grain` and `texts` (the language the window's models compose their
    // texts in) must outlive the window. `store` and `messages` default to the user's settings
    // and real message boxes.
    CVelnorDlg(UnitSettings& units, ProductIdentity& identity, GrainGenerator& grain,
               const TextLocale& texts, SettingsStore* store = nullptr,
               Messages* messages = nullptr, QWidget* parent = nullptr);
    CVelnorDlg(UnitSettings&, ProductIdentity&, GrainGenerator&, const TextLocale&&,
               SettingsStore* = nullptr, Messages* = nullptr, QWidget* = nullptr) = delete;
    ~CVelnorDlg() override;

    // The start-up sequence. False when the database could not be read: the message has been
    // shown and the window must not run.
    bool Start();
    // The circuit diagram and the logo come from renders `store` kept from earlier runs where
    // they can, and new renders are kept there; without a store every run renders them. The
    // store must outlive the window.
    void KeepDrawingsIn(const DrawingStore& store);

    MainWindowModel& Model() { return m_model; }
    // The control with an id of MainControlId, or nullptr.
    QWidget* Control(int id) const;
    QLineEdit* Field(int id) const;
    bool Ready() const { return bReady; }
    int RightMargin() const { return nRightMargin; }
    // The scale the circuit diagram was last drawn at; valid after the first paint.
    double DiagramScale() const { return dDiagramScale; }
    // The texts the window paints besides the input rows, as a screen reader reads them, and
    // where they are painted (client coordinates).
    std::array<PanelReading, kSummaryReadingCount> PanelReadings() const;
    // The control an input row of the panel labels (0 the picker, 1 to 4 the shown fields).
    QWidget* LabelledControl(int row) const;

    // The timer tick (public so tests can tick without waiting).
    void OnTimer();
    // The window's size has held still since the diagram was last stretched (public likewise):
    // repaints when the diagram is due to be rendered at its new size.
    void OnDiagramSettled();
    // The "Settings" button: the units dialog, then the conversion of the typed values.
    void OnSettings();
    // A command of the window menu: 16 "&About...", 32 "&Copy Results", 48 "Check a &Tube...".
    void OnSysCommand(int id);
    // Ctrl+C in the results list: the report of the inputs as they stand on the clipboard, as
    // text and as an HTML table. An input changed since the last tick is sized first.
    void OnCopy();
    // Ctrl+T: the "Check a Tube" dialog, run modally.
    void OnCheckTube();
    // The "Print" and "Help" buttons.
    void OnPrint();
    void OnHelp();

signals:
    // After every paint of the window.
    void Painted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void done(int result) override;

private:
    void CreateControls();
    void SetTabOrder();
    // Where a menu opened from the keyboard appears, in `widget`'s coordinates.
    static QPoint KeyboardMenuPoint(const QWidget& widget);
    void SetUpControls();
    void LayoutControls();
    void OnPaintMain();
    // Everything the window paints itself, onto the window or into an image.
    void PaintSurface(QPainter& painter);
    // The window's surface painted into an image at `ratio`.
    QImage PaintedSurface(qreal ratio);
    // The first frame with a store: the surface it kept for exactly what the window shows now,
    // else one painted into an image, drawn, and kept once the frame is up. False, having drawn
    // nothing, without a store.
    bool FirstFrameThroughStore(QPainter& painter);
    void KeepPendingSurface();
    // Keeps the painted surface of the window as it is now, for the first frame of a later run
    // that shows the same.
    void KeepSurface();
    // Everything the painted surface depends on at `ratio`; empty when it cannot be told.
    QByteArray SurfaceKey(qreal ratio);
    // What the header and panel show now.
    SummaryState Summary() const;
    void DrawBitmapAt(QPainter& painter, int id, int x, int y, bool fit);
    void SetIcon();
    void ShowResults();
    void SavePlacement(bool moved);
    // The inputs as the fields hold them.
    // Writes the selection and the inputs the user changed, then saves the store.
    void SaveSettings();
    // Shows what the settings store has to tell, once the window is up.
    void TellStoreNotice();
    void Closing();

    ProductIdentity& m_identity;
    GrainGenerator& m_grain;
    std::unique_ptr<SettingsStore> m_ownStore;
    std::unique_ptr<Messages> m_ownMessages;
    SettingsStore* m_store;
    Messages* m_messages;
    std::unique_ptr<PersistentSettings> m_settings;
    MainWindowModel m_model;

    CBitComboBox* m_picker = nullptr;
    std::array<QtLineField*, 7> m_fields{}; // 1000, 1003..1008
    CSkinListCtrl* m_results = nullptr;
    CShadeButton* m_settingsButton = nullptr;
    CShadeButton* m_printButton = nullptr;
    CShadeButton* m_helpButton = nullptr;
    CLinkStatic* m_link = nullptr;
    QTimer m_timer;
    QTimer m_diagramTimer; // runs from each stretched paint of the diagram until the size settles

    QSize m_outerSize;          // the stored outer size, frame included
    bool m_frameFitted = false; // the client size has been corrected for the frame
    bool bReady = false;
    bool m_closed = false;
    bool m_iconSet = false;
    bool m_painted = false; // the first frame is done
    bool m_telling = false; // a notice of the store is on the screen
    int nRightMargin = 0;
    double dDiagramScale = 0.0;
    DiagramCache m_diagram;                   // the circuit diagram at the size last rendered
    BitmapCache m_bitmaps;                    // the logo at the ratios it was painted at
    const DrawingStore* m_drawings = nullptr; // renders and surfaces kept between runs
    QByteArray m_surfaceBasis; // what the surface's key takes from the run, once looked at
    QByteArray m_keptSurface;  // the key of the surface the store holds, once known
    struct {
        QByteArray key;
        QImage image;
    } m_pendingSurface;              // the first frame's surface, until it is kept
    bool m_surfaceLooked = false;    // the first paint has looked for a kept surface
    bool m_diagramStretched = false; // the last paint stretched the diagram
};
