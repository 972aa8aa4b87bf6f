#include "velnordlg.h"

#include "aboutbox.h"
#include "bitcombobox.h"
#include "bitmaps.h"
#include "controlids.h"
#include "drawingstore.h"
#include "helpdlg.h"
#include "homepage.h"
#include "hyperlink.h"
#include "lineprinter.h"
#include "mainlayout.h"
#include "mainwindowaccessible.h"
#include "persistentsettings.h"
#include "printreport.h"
#include "productidentity.h"
#include "qcolour.h"
#include "qcp1252.h"
#include "qnumberlocale.h"
#include "qrect.h"
#include "qtmessages.h"
#include "qtranslate.h"
#include "qtsettingsstore.h"
#include "resourceids.h"
#include "settingsdlg.h"
#include "shadebutton.h"
#include "skinlistctrl.h"
#include "tubecheckdlg.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>

namespace {

constexpr const char* kDatabaseFileName = "Velnor.dkt";
// The name the window's painted surface is kept under among the drawings' renders.
constexpr QLatin1String kSurfaceName("window");

// The circuit diagram fitted into a client area of `width` x `height` from the drawing's own
// size, at the diagram's origin.
MainLayout::DiagramFit FitCircuit(int width, int height, int rightMargin) {
    const ResourceSize source = BitmapResourceSize(ResourceId::kCircuit);
    return MainLayout::FitDiagram(source.nWidth, source.nHeight, width, height, rightMargin,
                                  MainLayout::kDiagramX, MainLayout::kDiagramY);
}

// Arial of the given cell height, weight 400, as the panel's own fonts.
QFont PanelFont(int cellHeight) {
    return CreatePanelFont(QStringLiteral("Arial"), 0, cellHeight, 400, 1);
}

// The numeric fields, in their order in `m_fields`: 1000, 1003 to 1008.
constexpr int kFieldIds[] = {MainControlId::kHidden1000, MainControlId::kHeatLoad,
                             MainControlId::kEvapTemp,   MainControlId::kCondTemp,
                             MainControlId::kRGasTemp,   MainControlId::kHidden1007,
                             MainControlId::kAmbient};

// The five fields the model reads, restores and saves, with the panel's input row that labels
// them (the ambient field is in no row). A labelled field has its label as tool tip, and a
// screen reader reads it as its name.
struct InputField {
    int id;
    MainWindowModel::Input input;
    int labelRow;
};
constexpr InputField kInputFields[] = {
    {MainControlId::kHeatLoad, MainWindowModel::HeatLoad, 1},
    {MainControlId::kEvapTemp, MainWindowModel::EvapTemp, 2},
    {MainControlId::kCondTemp, MainWindowModel::CondTemp, 3},
    {MainControlId::kRGasTemp, MainWindowModel::RGasTemp, 4},
    {MainControlId::kAmbient, MainWindowModel::Ambient, -1},
};
constexpr int kRefrigerantRow = 0; // the picker's label

// The slot of a field's id in `m_fields`, or -1 for an id that is no numeric field.
int FieldSlot(int id) {
    for (int slot = 0; slot < static_cast<int>(std::size(kFieldIds)); ++slot) {
        if (kFieldIds[slot] == id)
            return slot;
    }
    return -1;
}

} // namespace

CVelnorDlg::CVelnorDlg(UnitSettings& units, ProductIdentity& identity, GrainGenerator& grain,
                       const TextLocale& texts, SettingsStore* store, Messages* messages,
                       QWidget* parent)
    : QDialog(parent), m_identity(identity), m_grain(grain), m_store(store), m_messages(messages),
      m_model(units, texts, NumberLocaleOf(QLocale())) {
    if (!m_store) {
        m_ownStore = std::make_unique<QtSettingsStore>(texts);
        m_store = m_ownStore.get();
    }
    if (!m_messages) {
        m_ownMessages = std::make_unique<QtMessages>(this, &m_identity);
        m_messages = m_ownMessages.get();
    }
    m_settings = std::make_unique<PersistentSettings>(*m_store);
    MainWindowAccessible::Install();
    // The product identity comes from the program's own version record.
    LoadProductIdentity(m_identity);
    // Every pixel is painted by the paint handler; nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CVelnorDlg::OnTimer);
    m_diagramTimer.setSingleShot(true);
    m_diagramTimer.setInterval(DiagramRenderPlan::kSettleMs);
    connect(&m_diagramTimer, &QTimer::timeout, this, &CVelnorDlg::OnDiagramSettled);
    CreateControls();
}

CVelnorDlg::~CVelnorDlg() {
    Closing();
    // The fields' widgets outlive the model's fields they show and the messages they use.
    for (QtLineField* field : m_fields)
        field->Bind(nullptr);
}

void CVelnorDlg::CreateControls() {
    m_picker = new CBitComboBox(this);
    for (int id : kFieldIds) {
        auto* field = new QtLineField(this);
        field->setObjectName(QStringLiteral("field%1").arg(id));
        field->SetMessages(*m_messages);
        m_fields[FieldSlot(id)] = field;
    }
    // The labels are the panel's painted texts; nothing of the plan but the labels is used.
    SummaryState labels;
    labels.texts = m_model.Texts();
    const SummaryPlan plan = PlanSummary(labels, 0);
    m_picker->setAccessibleName(FromCp1252(InputLabel(plan, kRefrigerantRow)));
    for (const InputField& input : kInputFields) {
        QtLineField* field = m_fields[FieldSlot(input.id)];
        field->Bind(&m_model.Field(input.input));
        if (input.labelRow < 0)
            continue;
        const QString label = FromCp1252(InputLabel(plan, input.labelRow));
        field->setToolTip(label);
        field->setAccessibleName(label);
    }
    // The fields that carry no input are made as the others, each with a numeric field of its
    // own.
    for (int id : {MainControlId::kHidden1000, MainControlId::kHidden1007}) {
        m_fields[FieldSlot(id)]->Adopt(std::make_unique<CNumberEdit>(
            MainWindowModel::kWholeDigits, MainWindowModel::kDecimalPlaces,
            NumberLocaleOf(QLocale())));
    }
    // The fields out of view are never shown: a hidden widget takes no clicks, is skipped by Tab
    // and ignores setFocus, so no key reaches them; without a focus policy they stay out of the
    // chain even if shown. They are not disabled, as a disabled field would skip its range check.
    for (int id : MainControlId::kOutOfView) {
        QWidget* field = m_fields[FieldSlot(id)];
        field->setFocusPolicy(Qt::NoFocus);
        field->hide();
    }

    m_results = new CSkinListCtrl(this);
    m_results->setObjectName(QStringLiteral("results"));
    m_results->setAccessibleName(Translate("Window", "Results"));
    m_settingsButton = new CShadeButton(Translate("Window", "Settings"), m_grain, this);
    m_printButton = new CShadeButton(Translate("Window", "Print"), m_grain, this);
    m_helpButton = new CShadeButton(Translate("Window", "Help"), m_grain, this);
    for (QPushButton* b : {m_settingsButton, m_printButton, m_helpButton}) {
        // Enter in the window never presses a button.
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    m_link = new CLinkStatic(QString(), this, nullptr, m_messages);
    SetTabOrder();

    // The fields tell the model of their changes themselves.
    connect(m_picker, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { m_model.OnRefrigerantSelected(index); });
    // A row chosen by a click or a key shows for a moment; the next tick brings the optimal
    // row back.
    connect(m_results, &CSkinListCtrl::clicked, this,
            [this] { m_model.OnResultListClicked(m_results->GetSelectedRow()); });
    connect(m_results, &CSkinListCtrl::selectionMovedByKey, this,
            [this] { m_model.OnResultListClicked(m_results->GetSelectedRow()); });
    // Ctrl+C copies the results where the list has the focus (a field keeps its own copy);
    // Ctrl+T checks a tube from anywhere in the window.
    auto* copy = new QShortcut(QKeySequence::Copy, m_results, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &CVelnorDlg::OnCopy);
    auto* check = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(check, &QShortcut::activated, this, &CVelnorDlg::OnCheckTube);
    connect(m_settingsButton, &QPushButton::clicked, this, &CVelnorDlg::OnSettings);
    connect(m_printButton, &QPushButton::clicked, this, &CVelnorDlg::OnPrint);
    connect(m_helpButton, &QPushButton::clicked, this, &CVelnorDlg::OnHelp);
}

void CVelnorDlg::SetTabOrder() {
    // Reading order: the picker, the four shown fields, the results list, the home-page link,
    // then the buttons as they stand from left to right; Tab goes round. The fields out of view
    // take no focus and are skipped.
    QWidget* chain[] = {m_picker,
                        Field(MainControlId::kHeatLoad),
                        Field(MainControlId::kEvapTemp),
                        Field(MainControlId::kCondTemp),
                        Field(MainControlId::kRGasTemp),
                        m_results,
                        m_link,
                        m_helpButton,
                        m_printButton,
                        m_settingsButton};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

QWidget* CVelnorDlg::Control(int id) const {
    const std::pair<int, QWidget*> controls[] = {
        {MainControlId::kRefrigerant, m_picker},      {MainControlId::kResults, m_results},
        {MainControlId::kSettings, m_settingsButton}, {MainControlId::kPrint, m_printButton},
        {MainControlId::kHelp, m_helpButton},         {MainControlId::kLink, m_link},
    };
    for (const auto& [controlId, control] : controls) {
        if (controlId == id)
            return control;
    }
    return Field(id);
}

QLineEdit* CVelnorDlg::Field(int id) const {
    const int slot = FieldSlot(id);
    return slot >= 0 ? m_fields[static_cast<std::size_t>(slot)] : nullptr;
}

bool CVelnorDlg::Start() {
    if (!m_model.LoadDatabase(kDatabaseFileName)) {
        const QString path = QDir::current().absoluteFilePath(QLatin1String(kDatabaseFileName));
        m_messages->Show(m_model.LoadFailureMessage(ToCp1252(QDir::toNativeSeparators(path))),
                         Messages::Icon::Error);
        return false;
    }
    ApplyDatabaseVersion(m_identity, m_model.Database());
    setWindowTitle(FromCp1252(m_identity.szTitle));
    m_link->setText(Translate("Window", "Homepage: %1").arg(QString::fromUtf8(kHomePageAddress)));
    m_link->SetLinkAddress(kHomePageAddress);
    m_link->SetTexts(m_model.Texts());
    m_link->SetLinkColours(RGB(255, 255, 255), m_link->NormalColour(), m_link->VisitedColour(),
                           m_link->HoverColour());
    m_model.ReadUnits(*m_settings);
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->geometry()
                             : QRect(0, 0, 1280, 1024);
    const WindowPlacement place = m_settings->ReadPlacement(screen.width(), screen.height());
    // The stored size includes the frame; the frame is known once the window is shown.
    m_outerSize = QSize(place.width, place.height);
    setMinimumSize(MainLayout::kMinOuterWidth, MainLayout::kMinOuterHeight);
    move(place.x, place.y);
    resize(m_outerSize);

    SetUpControls();
    m_picker->setFocus();
    bReady = true;
    m_timer.start(kTimerPeriodMs);
    return true;
}

void CVelnorDlg::SetUpControls() {
    const QFont small = PanelFont(14);
    const QFont large = PanelFont(20);
    const RefrigerantDatabase& db = m_model.Database();
    for (int i = 0; i < db.nRefrigerants; ++i)
        m_picker->addItem(FromCp1252(db.szName[i]));
    m_model.RestoreRefrigerant(*m_settings);
    m_picker->setCurrentIndex(m_model.Refrigerant());
    m_picker->SetBitmaps(ResourceId::kComboLeft, ResourceId::kComboButton,
                         ResourceId::kComboButtonDropped, ResourceId::kComboMiddle);
    m_picker->SetHighlightColors(RGB(49, 106, 197), RGB(255, 255, 255));
    m_picker->SetNormalColors(RGB(242, 246, 251), RGB(0, 0, 0));

    for (const InputField& input : kInputFields)
        m_fields[FieldSlot(input.id)]->setFont(small);
    m_model.RestoreInputs(*m_settings);
    for (const InputField& input : kInputFields)
        m_model.Field(input.input).SetBackColor(MainWindowModel::kFieldBackColor);

    m_results->Init(false);
    LayoutControls();
    m_results->SetFont(large);
    const int half = m_results->GetClientRect().width() / 2;
    m_results->InsertColumn(0, Translate("Window", "Length"), half);
    m_results->InsertColumn(1, Translate("Window", "Inner Diameter"), half);
    m_results->SetExtendedStyle(CSkinListCtrl::kStyleGridLines |
                                CSkinListCtrl::kStyleFullRowSelect);

    m_model.Calculate();
    ShowResults();

    // In this order, so that each button's grain is the same in every run.
    const std::pair<CShadeButton*, const char*> buttons[] = {
        {m_settingsButton, VELNOR_TRANSLATE_NOOP("Window", "Specify unit options")},
        {m_printButton, VELNOR_TRANSLATE_NOOP("Window", "Print current calculation")},
        {m_helpButton, VELNOR_TRANSLATE_NOOP("Window", "Display help information")}};
    for (const auto& [button, toolTip] : buttons) {
        button->SetToolTipText(ToCp1252(Translate("Window", toolTip)), "");
        button->SetTextFont("Arial", 16, 400, 0, 0);
        button->SetTextColor(RGB(255, 255, 255));
        button->SetShade(3, 8, 20, 40, RGB(6, 79, 190), RGB(242, 246, 254), RGB(6, 79, 190),
                         RGB(0, 39, 103));
        button->repaint();
    }
}

void CVelnorDlg::ShowResults() {
    const ResultListContent& content = m_model.ListContent();
    m_results->SetRedraw(false);
    m_results->DeleteAllItems();
    for (int i = 0; i < static_cast<int>(content.rows.size()); ++i) {
        m_results->InsertItem(i, FromCp1252(content.rows[i].length));
        m_results->SetItemText(i, 0, FromCp1252(content.rows[i].length));
        m_results->SetItemText(i, 1, FromCp1252(content.rows[i].diameter));
    }
    m_results->SelectRow(content.selectedRow);
    m_results->SetRedraw(true);
    // The summary panel's flow line follows: a new figure, or none while an input is invalid.
    update();
    MainWindowAccessible::PanelChanged(this);
}

void CVelnorDlg::OnTimer() {
    if (m_model.OnTimer())
        ShowResults();
    // A change is saved within a tick: a kill loses no more than the last second.
    SaveSettings();
    TellStoreNotice();
    m_timer.start(kTimerPeriodMs);
}

void CVelnorDlg::OnDiagramSettled() {
    if (m_diagram.Settle())
        update();
}

void CVelnorDlg::OnSettings() {
    const UnitSettings before = m_model.Units();
    CSettingsDlg dlg(m_model.Units(), *m_store, this);
    dlg.exec();
    m_model.OnUnitsChanged(before.UnitsEnergy, before.UnitsTemperature);
    // The units and the inputs they converted are saved at once: a kill never leaves the one
    // without the other.
    SaveSettings();
    update();
    ShowResults();
    TellStoreNotice();
}

void CVelnorDlg::OnSysCommand(int id) {
    switch (id & ~0xF) {
    case kAboutCommand: {
        CAboutBox about(m_identity, this);
        about.exec();
        break;
    }
    case kCopyCommand:
        OnCopy();
        break;
    case kCheckTubeCommand:
        OnCheckTube();
        break;
    default:
        break;
    }
}

void CVelnorDlg::OnCopy() {
    if (!bReady)
        return;
    // What is copied is what the list shows a moment later: the inputs as they stand.
    if (m_model.OnTimer())
        ShowResults();
    auto* report = new QMimeData;
    report->setText(QString::fromStdString(m_model.CopyText()));
    report->setHtml(QString::fromStdString(m_model.CopyHtml()));
    QGuiApplication::clipboard()->setMimeData(report);
}

void CVelnorDlg::OnCheckTube() {
    if (!bReady)
        return;
    TubeCheckDlg dlg(m_model, *m_messages, this);
    dlg.exec();
}

void CVelnorDlg::OnPrint() {
    PrintReport(this, m_model.ReportLines(), ReportTitle(m_identity.szTitle, m_identity.szVersion));
}

void CVelnorDlg::OnHelp() {
    CHelpDlg help(m_model.Help(), *m_messages, this);
    help.SetTexts(m_model.Texts());
    help.exec();
}

void CVelnorDlg::keyPressEvent(QKeyEvent* event) {
    // Enter, the dialog's default action, does nothing; Esc still ends the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    // Shift+F10 is the menu key: the focused control's menu where it has one (a text field),
    // else, passed up, the window's.
    if (event->key() == Qt::Key_F10 &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
        event->accept();
        QWidget* target = focusWidget() ? focusWidget() : this;
        const QPoint at = KeyboardMenuPoint(*target);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &menu);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CVelnorDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window menu's "&About..." item, where a desktop without window menus offers it. From
    // the keyboard it opens at the control that has the focus, not at the mouse pointer.
    QWidget* focused = focusWidget() ? focusWidget() : this;
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard
                          ? focused->mapToGlobal(KeyboardMenuPoint(*focused))
                          : event->globalPos();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("windowMenu"));
    QAction* copy = menu.addAction(Translate("Window", "&Copy Results"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setData(kCopyCommand);
    QAction* check = menu.addAction(Translate("Window", "Check a &Tube..."));
    check->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    check->setData(kCheckTubeCommand);
    menu.addSeparator();
    QAction* about = menu.addAction(Translate("Window", "&About..."));
    about->setData(kAboutCommand);
    for (QAction* action : menu.actions())
        action->setShortcutContext(Qt::WidgetShortcut); // shown in the menu, taken elsewhere
    if (const QAction* chosen = menu.exec(at))
        OnSysCommand(chosen->data().toInt());
}

QPoint CVelnorDlg::KeyboardMenuPoint(const QWidget& widget) {
    // Below the caret of a text field, else at the control's lower left corner.
    if (widget.testAttribute(Qt::WA_InputMethodEnabled)) {
        const QRect caret = widget.inputMethodQuery(Qt::ImCursorRectangle).toRect();
        if (caret.isValid())
            return caret.bottomLeft();
    }
    return QPoint(0, widget.height());
}

void CVelnorDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    SavePlacement(false);
    if (bReady && !isMinimized()) {
        LayoutControls();
        update();
    }
}

void CVelnorDlg::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    SavePlacement(true);
}

void CVelnorDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The icon normally follows the first frame (see paintEvent); a window that is not painted
    // soon, being on another desktop say, gets it all the same.
    if (!m_iconSet)
        QTimer::singleShot(kIconLateMs, this, &CVelnorDlg::SetIcon);
    if (m_frameFitted || m_outerSize.isEmpty())
        return;
    m_frameFitted = true;
    // The smallest outer size is 685 x 600, frame included.
    const QSize frame = frameGeometry().size() - size();
    if (frame.width() > 0 || frame.height() > 0) {
        setMinimumSize(QSize(MainLayout::kMinOuterWidth, MainLayout::kMinOuterHeight) - frame);
        resize(m_outerSize - frame);
    }
}

void CVelnorDlg::paintEvent(QPaintEvent*) {
    OnPaintMain();
    emit Painted();
    // The icon's renders are no part of the first frame, so they follow it, and so does what
    // the settings store has to tell.
    if (!m_iconSet)
        QTimer::singleShot(0, this, &CVelnorDlg::SetIcon);
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &CVelnorDlg::TellStoreNotice);
    }
}

void CVelnorDlg::KeepDrawingsIn(const DrawingStore& store) {
    m_drawings = &store;
    m_diagram.UseStore(&store);
    m_bitmaps.UseStore(&store);
}

void CVelnorDlg::SetIcon() {
    if (m_iconSet)
        return;
    m_iconSet = true;
    setWindowIcon(AppIcon());
}

void CVelnorDlg::OnPaintMain() {
    // After the first frame, straight onto the window: its backing store already shows only
    // finished frames, and a second window-sized buffer would cost an allocation, a fill and a
    // copy on every paint.
    QPainter p(this);
    if (!m_surfaceLooked) {
        m_surfaceLooked = true;
        if (FirstFrameThroughStore(p))
            return;
    }
    PaintSurface(p);
}

void CVelnorDlg::PaintSurface(QPainter& p) {
    const int w = width();
    const int h = height();
    p.fillRect(rect(), Qt::white);
    for (const MainLayout::Frame& frame : MainLayout::Frames(w, h, nRightMargin)) {
        for (const MainLayout::FrameEdge& edge : MainLayout::FrameEdges(frame))
            p.fillRect(ToQRect(edge.rect), ToQColor(edge.colour));
    }
    DrawBitmapAt(p, ResourceId::kLogo, w - MainLayout::kLogoRightOffset, MainLayout::kLogoY, false);
    DrawBitmapAt(p, ResourceId::kCircuit, MainLayout::kDiagramX, MainLayout::kDiagramY, true);
    SetSummaryTextColours(p);
    DrawSummary(p, Summary());
}

QByteArray CVelnorDlg::SurfaceKey(qreal ratio) {
    // What stays the same while the program runs is looked at once.
    if (m_surfaceBasis.isEmpty()) {
        const QFileInfo program(QCoreApplication::applicationFilePath());
        if (m_drawings->RenderBasis().isEmpty() || !program.exists())
            return {};
        // The program's own file stands for its painting code and the texts that come with it.
        m_surfaceBasis = QByteArrayLiteral("window 1\n") + program.filePath().toUtf8() + ' ' +
                         QByteArray::number(program.size()) + ' ' +
                         QByteArray::number(program.lastModified().toMSecsSinceEpoch()) + '\n' +
                         m_drawings->RenderBasis();
    }
    // The diagram's scale as the paint would set it.
    dDiagramScale = FitCircuit(width(), height(), nRightMargin).dScale;
    QByteArray key = m_surfaceBasis;
    key += QByteArray::number(width()) + 'x' + QByteArray::number(height()) + ' ' +
           QByteArray::number(ratio, 'g', 17) + ' ' + QByteArray::number(logicalDpiX()) + ' ' +
           QByteArray::number(logicalDpiY()) + ' ' + QByteArray::number(nRightMargin) + '\n';
    key += CircuitSource() + '\n';
    return key + QByteArray::fromStdString(SummaryPrint(Summary()));
}

QImage CVelnorDlg::PaintedSurface(qreal ratio) {
    const DiagramRenderPlan::Pixels pixels =
        DiagramRenderPlan::DevicePixels(width(), height(), ratio);
    QImage surface(pixels.width, pixels.height, QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    // The fonts' sizes follow the window's resolution, so the image has it too.
    constexpr double kInchesPerMetre = 1.0 / 0.0254;
    surface.setDotsPerMeterX(qRound(logicalDpiX() * kInchesPerMetre));
    surface.setDotsPerMeterY(qRound(logicalDpiY() * kInchesPerMetre));
    QPainter p(&surface);
    PaintSurface(p);
    return surface;
}

bool CVelnorDlg::FirstFrameThroughStore(QPainter& p) {
    if (!m_drawings)
        return false;
    const qreal ratio = devicePixelRatioF();
    const QByteArray key = SurfaceKey(ratio);
    if (key.isEmpty())
        return false;
    QImage surface = m_drawings->Find(kSurfaceName, key);
    const DiagramRenderPlan::Pixels pixels =
        DiagramRenderPlan::DevicePixels(width(), height(), ratio);
    if (surface.size() == QSize(pixels.width, pixels.height)) {
        m_keptSurface = key;
        surface.setDevicePixelRatio(ratio);
    } else {
        surface = PaintedSurface(ratio);
        // Kept once the frame is on the screen, so that the frame waits for no file.
        if (!m_diagramStretched) {
            m_pendingSurface = {key, surface};
            QTimer::singleShot(0, this, &CVelnorDlg::KeepPendingSurface);
        }
    }
    p.drawImage(0, 0, surface);
    return true;
}

void CVelnorDlg::KeepPendingSurface() {
    if (m_pendingSurface.key.isEmpty())
        return;
    m_drawings->Keep(kSurfaceName, m_pendingSurface.key, m_pendingSurface.image);
    m_keptSurface = std::exchange(m_pendingSurface, {}).key;
}

void CVelnorDlg::KeepSurface() {
    if (!m_drawings || !m_painted || !bReady || !m_model.DatabaseLoaded() || isMinimized() ||
        m_diagramTimer.isActive())
        return;
    const qreal ratio = devicePixelRatioF();
    const QByteArray key = SurfaceKey(ratio);
    if (key.isEmpty())
        return;
    if (key == m_pendingSurface.key)
        KeepPendingSurface();
    if (key == m_keptSurface)
        return;
    const QImage surface = PaintedSurface(ratio);
    // A diagram stretched while the size settles is not what the window shows once settled.
    if (m_diagramStretched)
        return;
    m_drawings->Keep(kSurfaceName, key, surface);
    m_keptSurface = key;
}

SummaryState CVelnorDlg::Summary() const {
    SummaryState state;
    state.SetIdentity(m_identity);
    state.nPanelLeft = MainLayout::PanelLeft(width(), nRightMargin);
    state.nDiagramX = MainLayout::kDiagramX;
    state.nDiagramY = MainLayout::kDiagramY;
    state.dDiagramScale = dDiagramScale;
    state.dN2Flow = m_model.Result().dN2Flow;
    state.bFlowValid = m_model.ListContent().valid;
    state.units = m_model.Units();
    state.texts = m_model.Texts();
    return state;
}

QWidget* CVelnorDlg::LabelledControl(int row) const {
    if (row < 0)
        return nullptr;
    if (row == kRefrigerantRow)
        return m_picker;
    for (const InputField& input : kInputFields) {
        if (input.labelRow == row)
            return m_fields[FieldSlot(input.id)];
    }
    return nullptr;
}

std::array<PanelReading, kSummaryReadingCount> CVelnorDlg::PanelReadings() const {
    return ReadPanel(Summary(), this);
}

void CVelnorDlg::DrawBitmapAt(QPainter& p, int id, int x, int y, bool fit) {
    const qreal ratio = devicePixelRatioF();
    if (!fit) {
        p.drawImage(x, y, m_bitmaps.Load(id, ratio)); // rendered once, then shared
        return;
    }
    // The fitted picture is the circuit diagram: fitted at the drawing's own size, rendered at
    // the size it is shown.
    const MainLayout::DiagramFit f = FitCircuit(width(), height(), nRightMargin);
    dDiagramScale = f.dScale;
    const DiagramCache::Picture picture =
        m_diagram.ForPaint(QSize(f.rect.Width(), f.rect.Height()), ratio);
    m_diagramStretched = picture.stretch;
    if (!picture.image)
        return;
    if (!picture.stretch) {
        p.drawImage(f.rect.left, f.rect.top, *picture.image);
        return;
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(ToQRect(f.rect), *picture.image);
    p.restore();
    m_diagramTimer.start();
}

void CVelnorDlg::SavePlacement(bool moved) {
    const WindowState state{bReady, isMinimized(), isMaximized()};
    const QRect outer = frameGeometry();
    if (moved)
        m_settings->StorePosition(state, outer.x(), outer.y());
    else
        m_settings->StoreSize(state, outer.width(), outer.height());
}

void CVelnorDlg::done(int result) {
    Closing();
    TellStoreNotice();
    QDialog::done(result);
}

void CVelnorDlg::Closing() {
    if (m_closed)
        return;
    m_closed = true;
    m_timer.stop();
    SaveSettings();
    KeepSurface();
}

void CVelnorDlg::SaveSettings() {
    // After a failed start the fields hold nothing; the user's stored values are kept.
    if (m_model.DatabaseLoaded() && bReady)
        m_model.SaveSelectionAndInputs(*m_settings);
    m_store->Save();
}

void CVelnorDlg::TellStoreNotice() {
    // Once the window is up, and one box at a time: a tick during the box keeps its news for
    // the next.
    if (!m_painted || m_telling)
        return;
    const std::string notice = m_store->TakeNotice();
    if (notice.empty())
        return;
    m_telling = true;
    m_messages->Show(notice, Messages::Icon::Exclamation);
    m_telling = false;
}

void CVelnorDlg::LayoutControls() {
    nRightMargin = MainLayout::RightMargin(width());
    for (const MainLayout::ControlPlacement& c : MainLayout::ControlLayout(width(), height())) {
        if (QWidget* w = Control(c.nId))
            w->setGeometry(ToQRect(c.rect));
    }
}
