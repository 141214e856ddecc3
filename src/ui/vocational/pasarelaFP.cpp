#include "ui/vocational/pasarelaFP.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "core/shared/display_mode.h"
#include "ui/shared/drawing.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/look.h"
#include "ui/shared/qt_display.h"
#include "ui/shared/screen_parts.h"

namespace velmora {
namespace {

// Design places, in the panels that fill the window.
constexpr QRect kWindow{0, 0, kScreenMode.width, kScreenMode.height};
constexpr QPoint kLabelCorteSelecti{278, 16};
constexpr QPoint kLabelCorte1{70, 52};
constexpr QRect kThresholdButtons[3] = {{519, 48, 81, 27}, {623, 48, 80, 27}, {734, 48, 81, 27}};
constexpr QPoint kLabelCorte2{83, 98};
constexpr QPoint kLabelTotal{412, 98};
constexpr QPoint kLabelMasde{638, 120};
constexpr QPoint kLabelCorte3{537, 149};
constexpr QRect kL{61, 125, 435, 438};
constexpr QRect kListcalc{525, 189, 436, 316};
constexpr QRect kBotCerrar3{690, 558, 102, 27};
constexpr QRect kPanelPonderacion2{210, 113, 601, 503};
constexpr Rgb kInnerPanel{240, 251, 255};
constexpr QPoint kLabelPondera1{68, 34};
constexpr QPoint kLabelUni2{252, 67};
constexpr QPoint kLabelUnis{177, 119};
constexpr QRect kListUnis{180, 150, 226, 301};
constexpr QRect kBotcerrar4{242, 458, 79, 27};

QFrame* FullPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(kWindow);
    return panel;
}

QLabel* Background(QWidget* panel, const char* name, const QPixmap& picture) {
    auto* image = new QLabel(panel);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(kWindow);
    image->setScaledContents(true);
    image->setPixmap(picture);
    return image;
}

// A label that takes the size of its text, at its design place, in `colour`.
QLabel* PlacedLabel(QWidget* parent, const char* name, QPoint at,
                    PaletteColour colour = PaletteColour::Navy) {
    QLabel* label = MakeLabel(parent, name, QRect(at, QSize(1, 1)));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, ToQColor(colour));
    label->setPalette(colours);
    return label;
}

// The two grids: Times New Roman 16 pixels high on white, rows of 18 pixels.
QTableWidget* MakeWhiteGrid(QWidget* parent, const char* name, QRect geometry) {
    QTableWidget* grid = MakeGrid(parent, name, geometry, CutOffWindow::kColumnWidths[0],
                                  CutOffWindow::kColumnWidths[1], CutOffWindow::kRowHeight);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    grid->setFont(font);
    Paint(grid, PaletteColour::White);
    grid->setCursor(Qt::PointingHandCursor);
    grid->hide();
    return grid;
}

void Fill(QTableWidget* grid, const std::vector<std::array<QString, 2>>& rows) {
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < 2; ++c)
            grid->setItem(
                r, c, new QTableWidgetItem(rows[static_cast<size_t>(r)][static_cast<size_t>(c)]));
    grid->clearSelection();
    grid->setCurrentIndex(QModelIndex());
    grid->verticalScrollBar()->setValue(0);
}

void SetLabel(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

TForm6::TForm6(Enlace& enlace, AddressOpener& opener, QWidget* parent)
    : QWidget(parent), model_(std::make_unique<CutOffWindow>(enlace, opener)) {
    FormCreate();
}

TForm6::~TForm6() = default;

void TForm6::FormCreate() {
    setObjectName(QStringLiteral("TForm6"));
    setFixedSize(kWindow.size());
    move(0, 0);

    // Both backgrounds: white at the top to navy at the bottom. Every row is one colour, so one
    // column stretched across the window draws it without a full-window picture at start-up.
    QPixmap background(1, kWindow.height());
    {
        QPainter p(&background);
        GradientFill(p, QRect(0, 0, 1, kWindow.height()), ToQColor(PaletteColour::White),
                     ToQColor(PaletteColour::Navy));
    }
    createCutOffPanel(background);
    createWeightingsPanel(background);
    connectControls();
    for (QPushButton* button : {Buttoncorte6, Buttoncorte7, ButtonCorte8, BotCerrar3, Botcerrar4})
        button->setCursor(Qt::PointingHandCursor);

    model_->setOnChange([this] {
        if (!applying_) apply(model_->takeChanges());
    });
    model_->FormCreate();
    CutOffChanges everything;
    everything.parts = ~0u;
    model_->takeChanges();
    apply(everything);
}

void TForm6::createCutOffPanel(const QPixmap& background) {
    PanelCorte = FullPanel(this, "PanelCorte");
    Imagecorte = Background(PanelCorte, "Imagecorte", background);
    LabelCorteSelecti = PlacedLabel(PanelCorte, "LabelCorteSelecti", kLabelCorteSelecti);
    LabelCorte1 = PlacedLabel(PanelCorte, "LabelCorte1", kLabelCorte1);
    Buttoncorte6 = MakeButton(PanelCorte, "Buttoncorte6", kThresholdButtons[0]);
    Buttoncorte7 = MakeButton(PanelCorte, "Buttoncorte7", kThresholdButtons[1]);
    ButtonCorte8 = MakeButton(PanelCorte, "ButtonCorte8", kThresholdButtons[2]);
    LabelCorte2 = PlacedLabel(PanelCorte, "LabelCorte2", kLabelCorte2);
    LabelTotal = PlacedLabel(PanelCorte, "LabelTotal", kLabelTotal);
    LabelMasde = PlacedLabel(PanelCorte, "LabelMasde", kLabelMasde);
    LabelCorte3 = PlacedLabel(PanelCorte, "LabelCorte3", kLabelCorte3);
    L = MakeWhiteGrid(PanelCorte, "L", kL);
    listcalc = MakeWhiteGrid(PanelCorte, "listcalc", kListcalc);
    listcalc->setCursor(Qt::ArrowCursor);
    BotCerrar3 = MakeButton(PanelCorte, "BotCerrar3", kBotCerrar3);
    PanelCorte->hide();
}

void TForm6::createWeightingsPanel(const QPixmap& background) {
    PanelPonderacion = FullPanel(this, "PanelPonderacion");
    ImagePonderacion = Background(PanelPonderacion, "ImagePonderacion", background);
    PanelPonderacion2 = new QFrame(PanelPonderacion);
    PanelPonderacion2->setObjectName(QStringLiteral("PanelPonderacion2"));
    PanelPonderacion2->setGeometry(kPanelPonderacion2);
    PanelPonderacion2->setFrameShape(QFrame::Panel);
    PanelPonderacion2->setFrameShadow(QFrame::Raised);
    QPalette inner = PanelPonderacion2->palette();
    inner.setColor(QPalette::Window, ToQColor(kInnerPanel));
    PanelPonderacion2->setPalette(inner);
    PanelPonderacion2->setAutoFillBackground(true);
    LabelPondera1 = PlacedLabel(PanelPonderacion2, "LabelPondera1", kLabelPondera1);
    LabelUni2 = PlacedLabel(PanelPonderacion2, "LabelUni2", kLabelUni2, PaletteColour::Maroon);
    LabelUnis = PlacedLabel(PanelPonderacion2, "LabelUnis", kLabelUnis);
    ListUnis = MakeList(PanelPonderacion2, "ListUnis", kListUnis);
    ListUnis->setCursor(Qt::PointingHandCursor);
    ListUnis->viewport()->installEventFilter(this);
    Botcerrar4 = MakeButton(PanelPonderacion2, "Botcerrar4", kBotcerrar4);
    PanelPonderacion->hide();
}

void TForm6::connectControls() {
    auto click = [this](QPushButton* button, void (CutOffWindow::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { (model_.get()->*handler)(); });
    };
    click(Buttoncorte6, &CutOffWindow::Buttoncorte6Click);
    click(Buttoncorte7, &CutOffWindow::Buttoncorte7Click);
    click(ButtonCorte8, &CutOffWindow::ButtonCorte8Click);
    click(BotCerrar3, &CutOffWindow::BotCerrar3Click);
    click(Botcerrar4, &CutOffWindow::Botcerrar4Click);
    // A degree is chosen by the mouse or by the arrow keys alike.
    connect(L, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!applying_ && row >= 0) model_->LClick(row);
    });
}

void TForm6::apply(const CutOffChanges& changes) {
    applying_ = true;
    const CutOffView& view = model_->view();
    if (changes.has(CutOffChanges::Captions)) applyCaptions();
    if (changes.has(CutOffChanges::Labels)) {
        SetLabel(LabelMasde, view.labelMasde);
        SetLabel(LabelCorte3, view.labelCorte3);
    }
    if (changes.has(CutOffChanges::Degrees)) {
        Fill(L, view.degreeRows);
        L->setVisible(view.degreesShown);
    }
    if (changes.has(CutOffChanges::Offerings)) {
        Fill(listcalc, view.offeringRows);
        listcalc->setVisible(view.offeringsShown);
    }
    if (changes.has(CutOffChanges::Documents)) {
        ListUnis->clear();
        ListUnis->addItems(view.documents);
        for (int i = 0; i < ListUnis->count(); ++i) {
            QListWidgetItem* item = ListUnis->item(i);
            item->setSizeHint(QSize(0, CutOffWindow::kDocumentRowHeight));
            item->setToolTip(item->text());  // a long name is cut by the list's edge
        }
        ListUnis->setCurrentRow(view.selectedDocument);
    }
    if (changes.has(CutOffChanges::Panels)) {
        PanelCorte->setVisible(view.cutOffPanel);
        PanelPonderacion->setVisible(view.weightingsPanel);
    }
    if (changes.has(CutOffChanges::Window) || changes.showOwner)
        FollowWindowState(this, owner_, view.visible, closing_, changes.showOwner);
    applying_ = false;
    const CutOffChanges later = model_->takeChanges();
    if (later.any()) apply(later);
}

void TForm6::applyCaptions() {
    const CutOffView& view = model_->view();
    setWindowTitle(view.windowTitle);
    SetLabel(LabelCorteSelecti, view.labelCorteSelecti);
    SetLabel(LabelCorte1, view.labelCorte1);
    Buttoncorte6->setText(view.thresholdButtons[0]);
    Buttoncorte7->setText(view.thresholdButtons[1]);
    ButtonCorte8->setText(view.thresholdButtons[2]);
    SetLabel(LabelCorte2, view.labelCorte2);
    SetLabel(LabelTotal, view.labelTotal);
    BotCerrar3->setText(view.closeButtons);
    Botcerrar4->setText(view.closeButtons);
    SetLabel(LabelPondera1, view.labelPondera1);
    SetLabel(LabelUni2, view.labelUni2);
    SetLabel(LabelUnis, view.labelUnis);
}

void TForm6::closeEvent(QCloseEvent* event) {
    closing_ = true;
    model_->FormClose();
    closing_ = false;
    event->accept();
}

bool TForm6::eventFilter(QObject* watched, QEvent* event) {
    // A double click anywhere in the list opens the selected document.
    if (watched == ListUnis->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const bool handled = QWidget::eventFilter(watched, event);
        model_->ListUnisDblClick(ListUnis->currentRow());
        return handled;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
