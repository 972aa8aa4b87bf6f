#include "velnordlg.h"

#include "aboutbox.h"
#include "bitmaps.h"
#include "helpdlg.h"
#include "homepage.h"
#include "hyperlink.h"
#include "identity.h"
#include "mainlayout.h"
#include "numbereditwidget.h"
#include "persistentsettings.h"
#include "printreport.h"
#include "qsettingsstore.h"
#include "qtmessages.h"
#include "resourceids.h"
#include "settingsdlg.h"
#include "skinlistctrl.h"
#include "summarypainter.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

constexpr unsigned kFieldBackColor = 0xFBF6F2; // RGB(242, 246, 251)

// Arial of the given cell height, weight 400, as the panel's own fonts.
QFont PanelFont(int cellHeight) {
    return CreatePanelFont(QStringLiteral("Arial"), 0, cellHeight, 400, 1);
}

// Field order in `fields`: the ids 1000, 1003 to 1008.
int FieldSlot(int id) {
    return id == 1000 ? 0 : id - 1002;
}

} // namespace

CVelnorDlg::CVelnorDlg(SettingsStore* store_, Messages* messages_, QWidget* parent)
    : QDialog(parent), store(store_), messages(messages_) {
    if (!store) {
        ownStore = std::make_unique<QSettingsStore>();
        store = ownStore.get();
    }
    if (!messages) {
        ownMessages = std::make_unique<QtMessages>(this);
        messages = ownMessages.get();
    }
    settings = std::make_unique<PersistentSettings>(*store);
    // The product identity comes from the program's own version record.
    LoadProductIdentity(theProductIdentity);
    // Every pixel is painted by the paint handler; nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &CVelnorDlg::OnTimer);
    diagramTimer.setSingleShot(true);
    diagramTimer.setInterval(DiagramRenderPlan::kSettleMs);
    connect(&diagramTimer, &QTimer::timeout, this, &CVelnorDlg::OnDiagramSettled);
    CreateControls();
}

CVelnorDlg::~CVelnorDlg() {
    Closing();
}

void CVelnorDlg::CreateControls() {
    picker = new QComboBox(this);
    for (int id : {1000, 1003, 1004, 1005, 1006, 1007, 1008}) {
        auto* field = new NumberEditWidget(this);
        field->setObjectName(QStringLiteral("field%1").arg(id));
        fields[FieldSlot(id)] = field;
    }
    model.AttachField(MainWindowModel::HeatLoad, fields[FieldSlot(IDC_HEATLOAD)]);
    model.AttachField(MainWindowModel::EvapTemp, fields[FieldSlot(IDC_EVAPTEMP)]);
    model.AttachField(MainWindowModel::CondTemp, fields[FieldSlot(IDC_CONDTEMP)]);
    model.AttachField(MainWindowModel::RGasTemp, fields[FieldSlot(IDC_RGASTEMP)]);
    model.AttachField(MainWindowModel::Ambient, fields[FieldSlot(IDC_AMBIENT)]);
    fields[FieldSlot(IDC_HEATLOAD)]->setToolTip(QStringLiteral("Heat load of the system"));
    fields[FieldSlot(IDC_EVAPTEMP)]->setToolTip(QStringLiteral("Evaporating temperature"));
    fields[FieldSlot(IDC_CONDTEMP)]->setToolTip(QStringLiteral("Condensing temperature"));
    fields[FieldSlot(IDC_RGASTEMP)]->setToolTip(QStringLiteral("Return gas temperature"));

    results = new CSkinListCtrl(this);
    results->setObjectName(QStringLiteral("results"));
    settingsButton = new QPushButton(QStringLiteral("Settings"), this);
    printButton = new QPushButton(QStringLiteral("Print"), this);
    helpButton = new QPushButton(QStringLiteral("Help"), this);
    for (QPushButton* b : {settingsButton, printButton, helpButton}) {
        // Enter in the window never presses a button.
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    link = new CLinkStatic(QString(), this);

    connect(picker, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { model.OnRefrigerantSelected(index); });
    const std::pair<int, MainWindowModel::Input> inputs[] = {
        {IDC_HEATLOAD, MainWindowModel::HeatLoad},
        {IDC_EVAPTEMP, MainWindowModel::EvapTemp},
        {IDC_CONDTEMP, MainWindowModel::CondTemp},
        {IDC_RGASTEMP, MainWindowModel::RGasTemp},
        {IDC_AMBIENT, MainWindowModel::Ambient}};
    for (const auto& [id, input] : inputs) {
        connect(fields[FieldSlot(id)], &QLineEdit::textChanged, this,
                [this, which = input] { model.OnInputEdited(which); });
    }
    connect(results, &CSkinListCtrl::clicked, this, [this] { model.OnResultListClicked(); });
    connect(settingsButton, &QPushButton::clicked, this, &CVelnorDlg::OnSettings);
    connect(printButton, &QPushButton::clicked, this, &CVelnorDlg::OnPrint);
    connect(helpButton, &QPushButton::clicked, this, &CVelnorDlg::OnHelp);
}

QWidget* CVelnorDlg::Control(int id) const {
    switch (id) {
    case IDC_REFRIGERANT:
        return picker;
    case IDC_RESULTS:
        return results;
    case IDC_SETTINGS:
        return settingsButton;
    case IDC_PRINT:
        return printButton;
    case IDC_HELP:
        return helpButton;
    case IDC_LINK:
        return link;
    default:
        return Field(id);
    }
}

QLineEdit* CVelnorDlg::Field(int id) const {
    if (id == 1000 || (id >= 1003 && id <= 1008))
        return fields[FieldSlot(id)];
    return nullptr;
}

bool CVelnorDlg::Start() {
    if (!model.LoadDatabase("Velnor.dkt")) {
        messages->Show("Could not read Velnor.dkt", Messages::Icon::Error);
        return false;
    }
    ApplyDatabaseVersion(theProductIdentity, model.Database());
    setWindowTitle(ToQString(theProductIdentity.szTitle));
    link->setText(QStringLiteral("Homepage: ") + QString::fromUtf8(kHomePageAddress));
    link->SetLinkAddress(kHomePageAddress);
    link->SetLinkColours(LinkRgb(255, 255, 255), link->NormalColour(), link->VisitedColour(),
                         link->HoverColour());
    settings->ReadUnits(TheUnitSettings());
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->geometry()
                             : QRect(0, 0, 1280, 1024);
    const WindowPlacement place = settings->ReadPlacement(screen.width(), screen.height());
    // The stored size includes the frame; the frame is known once the window is shown.
    outerSize = QSize(place.width, place.height);
    setMinimumSize(MainLayout::kMinOuterWidth, MainLayout::kMinOuterHeight);
    move(place.x, place.y);
    resize(outerSize);

    SetUpControls();
    bReady = true;
    timer.start(kTimerPeriodMs);
    return true;
}

void CVelnorDlg::SetUpControls() {
    const QFont small = PanelFont(14);
    const QFont large = PanelFont(20);
    const RefrigerantDatabase& db = model.Database();
    for (int i = 0; i < db.nRefrigerants; ++i)
        picker->addItem(ToQString(db.szName[i]));
    model.RestoreRefrigerant(settings->ReadRefrigerant(db.nRefrigerants));
    picker->setCurrentIndex(model.Refrigerant());

    const SavedInputs saved = settings->ReadInputs();
    for (int id : {IDC_HEATLOAD, IDC_EVAPTEMP, IDC_CONDTEMP, IDC_RGASTEMP, IDC_AMBIENT})
        fields[FieldSlot(id)]->setFont(small);
    model.RestoreInputs(
        {saved.dHeatLoad, saved.dEvapTemp, saved.dCondTemp, saved.dRGasTemp, saved.dAmbient});
    for (int id : {IDC_HEATLOAD, IDC_EVAPTEMP, IDC_CONDTEMP, IDC_RGASTEMP, IDC_AMBIENT})
        fields[FieldSlot(id)]->SetBackColor(kFieldBackColor);

    results->Init(false);
    LayoutControls();
    results->SetBkColor(QColor(242, 246, 251));
    results->SetTextColor(Qt::white);
    results->SetFont(large);
    const int half = results->GetClientRect().width() / 2;
    results->InsertColumn(0, QStringLiteral("Length"), half);
    results->InsertColumn(1, QStringLiteral("Inner Diameter"), half);
    results->SetExtendedStyle(CSkinListCtrl::kStyleGridLines | CSkinListCtrl::kStyleFullRowSelect);

    model.Calculate();
    ShowResults();

    settingsButton->setToolTip(QStringLiteral("Specify unit options"));
    printButton->setToolTip(QStringLiteral("Print current calculation"));
    helpButton->setToolTip(QStringLiteral("Display help information"));
}

void CVelnorDlg::ShowResults() {
    const ResultListContent& content = model.ListContent();
    results->SetRedraw(false);
    results->DeleteAllItems();
    for (int i = 0; i < static_cast<int>(content.rows.size()); ++i) {
        results->InsertItem(i, ToQString(content.rows[i].length));
        results->SetItemText(i, 0, ToQString(content.rows[i].length));
        results->SetItemText(i, 1, ToQString(content.rows[i].diameter));
    }
    results->SelectRow(content.selectedRow);
    results->SetRedraw(true);
    // A recommendation also changes the summary panel's flow line.
    if (content.valid)
        update();
    emit ResultsShown();
}

void CVelnorDlg::OnTimer() {
    if (model.OnTimer())
        ShowResults();
    timer.start(kTimerPeriodMs);
}

void CVelnorDlg::OnDiagramSettled() {
    if (diagram.Settle())
        update();
}

void CVelnorDlg::OnSettings() {
    const UnitSettings before = TheUnitSettings();
    CSettingsDlg dlg(*store, this);
    dlg.exec();
    model.OnUnitsChanged(before.UnitsEnergy, before.UnitsTemperature);
    update();
    ShowResults();
}

void CVelnorDlg::OnSysCommand(int id) {
    if ((id & ~0xF) == kAboutCommand) {
        CAboutBox about(this);
        about.exec();
    }
}

void CVelnorDlg::OnPrint() {
    const std::string title =
        std::string(theProductIdentity.szTitle) + " v" + theProductIdentity.szVersion;
    PrintReport(this, model.ReportLines(), title);
}

void CVelnorDlg::OnHelp() {
    CHelpDlg help(model.Help(), *messages, this);
    help.exec();
}

void CVelnorDlg::keyPressEvent(QKeyEvent* event) {
    // Enter, the dialog's default action, does nothing; Esc still ends the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CVelnorDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window menu's "&About..." item, where a desktop without window menus offers it.
    QMenu menu(this);
    QAction* about = menu.addAction(QStringLiteral("&About..."));
    if (menu.exec(event->globalPos()) == about)
        OnSysCommand(kAboutCommand);
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
    if (!bIconSet)
        QTimer::singleShot(kIconLateMs, this, &CVelnorDlg::SetIcon);
    if (bFrameFitted || outerSize.isEmpty())
        return;
    bFrameFitted = true;
    // The smallest outer size is 685 x 600, frame included.
    const QSize frame = frameGeometry().size() - size();
    if (frame.width() > 0 || frame.height() > 0) {
        setMinimumSize(QSize(MainLayout::kMinOuterWidth, MainLayout::kMinOuterHeight) - frame);
        resize(outerSize - frame);
    }
}

void CVelnorDlg::paintEvent(QPaintEvent*) {
    OnPaintMain();
    emit Painted();
    // The icon's renders are no part of the first frame, so they follow it.
    if (!bIconSet)
        QTimer::singleShot(0, this, &CVelnorDlg::SetIcon);
}

void CVelnorDlg::SetIcon() {
    if (bIconSet)
        return;
    bIconSet = true;
    setWindowIcon(AppIcon());
}

void CVelnorDlg::OnPaintMain() {
    const int w = width();
    const int h = height();
    // Straight onto the window: its backing store already shows only finished frames, and a
    // second window-sized buffer would cost an allocation, a fill and a copy on every paint.
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    for (const MainLayout::Frame& frame : MainLayout::Frames(w, h, nRightMargin)) {
        for (const MainLayout::FrameEdge& edge : MainLayout::FrameEdges(frame))
            p.fillRect(edge.rect.x, edge.rect.y, edge.rect.width, edge.rect.height,
                       QColor(edge.colour.r, edge.colour.g, edge.colour.b));
    }
    DrawBitmapAt(p, ResourceId::kLogo, w - MainLayout::kLogoRightOffset, MainLayout::kLogoY, false);
    DrawBitmapAt(p, ResourceId::kCircuit, MainLayout::kDiagramX, MainLayout::kDiagramY, true);
    SetSummaryTextColours(p);
    SummaryState state;
    state.SetIdentity(theProductIdentity);
    state.nRightMargin = nRightMargin;
    state.dDiagramScale = dDiagramScale;
    state.dN2Flow = model.Result().dN2Flow;
    state.units = TheUnitSettings();
    DrawSummary(p, w, state);
}

void CVelnorDlg::DrawBitmapAt(QPainter& p, int id, int x, int y, bool fit) {
    const qreal ratio = devicePixelRatioF();
    if (!fit) {
        p.drawImage(x, y, LoadBitmapResource(id, ratio)); // rendered once, then shared
        return;
    }
    // The fitted picture is the circuit diagram: fitted at the drawing's own size, rendered at
    // the size it is shown.
    const ResourceSize source = BitmapResourceSize(id);
    const MainLayout::DiagramFit f = MainLayout::FitDiagram(source.nWidth, source.nHeight, width(),
                                                            height(), nRightMargin, x, y);
    dDiagramScale = f.dScale;
    const DiagramCache::Picture picture =
        diagram.ForPaint(QSize(f.rect.width, f.rect.height), ratio);
    if (!picture.image)
        return;
    if (!picture.stretch) {
        p.drawImage(f.rect.x, f.rect.y, *picture.image);
        return;
    }
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(f.rect.x, f.rect.y, f.rect.width, f.rect.height), *picture.image);
    p.restore();
    diagramTimer.start();
}

void CVelnorDlg::SavePlacement(bool moved) {
    const WindowState state{bReady, isMinimized(), isMaximized()};
    const QRect outer = frameGeometry();
    if (moved)
        settings->StorePosition(state, outer.x(), outer.y());
    else
        settings->StoreSize(state, outer.width(), outer.height());
}

void CVelnorDlg::done(int result) {
    Closing();
    QDialog::done(result);
}

void CVelnorDlg::Closing() {
    if (bClosed)
        return;
    bClosed = true;
    timer.stop();
    // After a failed start the fields hold nothing; the user's stored values are kept.
    if (!model.DatabaseLoaded() || !bReady)
        return;
    const std::array<double, MainWindowModel::InputCount> v = model.InputValues();
    settings->WriteSelectionAndInputs(model.Refrigerant(), {v[0], v[1], v[2], v[3], v[4]});
}

void CVelnorDlg::LayoutControls() {
    nRightMargin = MainLayout::RightMargin(width());
    for (const MainLayout::ControlPlacement& c : MainLayout::ControlLayout(width(), height())) {
        if (QWidget* w = Control(c.nId))
            w->setGeometry(c.rect.x, c.rect.y, c.rect.width, c.rect.height);
    }
}
