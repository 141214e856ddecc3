#include "ui/university/est_grados.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include "core/shared/display_mode.h"
#include "ui/shared/bar_chart_view.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/look.h"
#include "ui/shared/qt_display.h"
#include "ui/shared/rich_text_box.h"
#include "ui/shared/screen_parts.h"

namespace velmora {
namespace {

using D = DegreeStatisticsControl;

constexpr QRect kPanelEst1{96, 64, 832, 640};
constexpr QRect kChart{8, 110, 624, 370};
constexpr QRect kEmployment{8, 104, 616, 528};
constexpr int kButtonsLeft = 640;
constexpr int kButtonWidth = 176;
constexpr int kDocumentsTop = 196;
constexpr int kDocumentPitch = 40;
// The document buttons and their row among those of their view.
constexpr D kDocuments[7] = {D::ButtonMas1,  D::ButtonMas2,  D::ButtonMas3, D::ButtonMas21,
                             D::ButtonMas22, D::ButtonMas31, D::ButtonMas32};
constexpr int kDocumentRows[7] = {0, 1, 2, 0, 1, 0, 1};

QLabel* PanelLabel(QWidget* parent, D control, QRect at, int points, bool bold,
                   PaletteColour colour = PaletteColour::Navy) {
    QLabel* label = MakeLabel(parent, DegreeStatisticsName(control).data(), at);
    label->setFont(ArialFont(points, bold));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, ToQColor(colour));
    label->setPalette(colours);
    return label;
}

QPushButton* Button(QWidget* parent, D control, int top, int height = 36) {
    return MakeButton(parent, DegreeStatisticsName(control).data(),
                      {kButtonsLeft, top, kButtonWidth, height});
}

}  // namespace

TFormEstGra::TFormEstGra(Enlace& enlace, AddressOpener& opener, QWidget* parent)
    : QWidget(parent), model_(std::make_unique<DegreeStatistics>(enlace, opener)) {
    FormCreate();
}

TFormEstGra::~TFormEstGra() {
    model_->setOnChange({});
}

void TFormEstGra::FormCreate() {
    setObjectName(QStringLiteral("TFormEstGra"));
    setFixedSize(kScreenMode.width, kScreenMode.height);
    move(0, 0);
    setMouseTracking(true);
    Paint(this, PaletteColour::PaleBlue);

    PanelEst1 = MakePanel(this, "PanelEst1", kPanelEst1);
    Paint(PanelEst1, PaletteColour::LightPeach);
    PanelEst1->setMouseTracking(true);
    PanelEst1->installEventFilter(this);
    LabelEst1 = PanelLabel(PanelEst1, D::LabelEst1, {20, 10, 600, 24}, 12, true);
    LabelEst2 = PanelLabel(PanelEst1, D::LabelEst2, {20, 35, 600, 66}, 11, false);
    LabelEst2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PaintEst = new BarChartView(PanelEst1);
    PaintEst->setObjectName(QStringLiteral("PaintEst"));
    PaintEst->setGeometry(kChart);
    PaintEst->installEventFilter(this);

    ButtonMatricula = Button(PanelEst1, D::ButtonMatricula, 20);
    ButtonDific = Button(PanelEst1, D::ButtonDific, 64);
    ButtonTrabajo = Button(PanelEst1, D::ButtonTrabajo, 108);
    LabelMas = PanelLabel(PanelEst1, D::LabelMas, {kButtonsLeft, 170, kButtonWidth, 22}, 11, true);
    for (size_t i = 0; i < documents.size(); ++i)
        documents[i] =
            Button(PanelEst1, kDocuments[i], kDocumentsTop + kDocumentRows[i] * kDocumentPitch, 34);
    LabelWeb = PanelLabel(PanelEst1, D::LabelWeb, {kButtonsLeft, 330, kButtonWidth, 24}, 11, false,
                          PaletteColour::Blue);
    LabelWeb->setMouseTracking(true);
    LabelWeb->installEventFilter(this);
    ButtonRetroEsta = Button(PanelEst1, D::ButtonRetroEsta, 580, 40);

    PanelInsercion = new QFrame(PanelEst1);
    PanelInsercion->setObjectName(QStringLiteral("PanelInsercion"));
    PanelInsercion->setGeometry(kEmployment);
    Paint(PanelInsercion, PaletteColour::LightPeach);
    LabelInser2 = PanelLabel(PanelInsercion, D::LabelInser2, {8, 4, 494, 22}, 11, true);
    reja = MakeGrid(PanelInsercion, "reja", {8, 28, 496, 300}, DegreeStatistics::kColumnWidths[0],
                    DegreeStatistics::kColumnWidths[1], DegreeStatistics::kRowHeight);
    reja->setColumnCount(6);
    for (int c = 0; c < 6; ++c) reja->setColumnWidth(c, DegreeStatistics::kColumnWidths[c]);
    reja->setFont(ArialFont(11));
    reja->setShowGrid(true);
    reja->setSelectionMode(QAbstractItemView::NoSelection);
    LabelInser = PanelLabel(PanelInsercion, D::LabelInser, {8, 334, 600, 22}, 11, true);
    RichSalidas = new QTextEdit(PanelInsercion);
    RichSalidas->setObjectName(QStringLiteral("RichSalidas"));
    RichSalidas->setGeometry(8, 358, 600, 164);
    RichSalidas->setReadOnly(true);

    for (int i = 0; i < kDegreeStatisticsControlCount; ++i)
        controls_[static_cast<size_t>(i)] =
            findChild<QWidget*>(NameOf(DegreeStatisticsName(static_cast<D>(i))));
    connectControls();
    model_->setOnChange([this] {
        if (!applying_) apply(model_->takeChanges());
    });
    model_->FormCreate();
    DegreeStatisticsChanges everything;
    everything.parts = ~0u;
    model_->takeChanges();
    apply(everything);
}

void TFormEstGra::connectControls() {
    DegreeStatistics* m = model_.get();
    auto click = [this, m](QPushButton* button, void (DegreeStatistics::*handler)()) {
        connect(button, &QPushButton::clicked, this, [m, handler] { (m->*handler)(); });
    };
    click(ButtonMatricula, &DegreeStatistics::ButtonMatriculaClick);
    click(ButtonDific, &DegreeStatistics::ButtonDificClick);
    click(ButtonTrabajo, &DegreeStatistics::ButtonTrabajoClick);
    click(ButtonRetroEsta, &DegreeStatistics::ButtonRetroEstaClick);
    const std::array<void (DegreeStatistics::*)(), 7> opens = {
        &DegreeStatistics::ButtonMas1Click,  &DegreeStatistics::ButtonMas2Click,
        &DegreeStatistics::ButtonMas3Click,  &DegreeStatistics::ButtonMas21Click,
        &DegreeStatistics::ButtonMas22Click, &DegreeStatistics::ButtonMas31Click,
        &DegreeStatistics::ButtonMas32Click};
    for (size_t i = 0; i < documents.size(); ++i) click(documents[i], opens[i]);
}

void TFormEstGra::apply(const DegreeStatisticsChanges& changes) {
    applying_ = true;
    const DegreeStatisticsView& view = model_->view();
    if (changes.has(DegreeStatisticsChanges::Controls) ||
        changes.has(DegreeStatisticsChanges::Window)) {
        setWindowTitle(view.windowTitle);
        ApplyControls(controls_, view.controls);
    }
    if (changes.has(DegreeStatisticsChanges::Chart)) PaintEst->setPicture(view.chart);
    if (changes.has(DegreeStatisticsChanges::Grid)) {
        FillRows(reja, static_cast<int>(view.gridRows.size()), [&view](int row, int column) {
            return view.gridRows[static_cast<size_t>(row)][static_cast<size_t>(column)];
        });
        // Each column says what it holds under the pointer.
        for (int r = 0; r < reja->rowCount(); ++r)
            for (int c = 0; c < reja->columnCount(); ++c)
                if (QTableWidgetItem* item = reja->item(r, c))
                    item->setToolTip(DegreeStatistics::ColumnHint(c));
        ScrollToTop(reja, 0, true);
    }
    if (changes.has(DegreeStatisticsChanges::Rich)) ShowRichText(RichSalidas, view.salidas);
    if (changes.has(DegreeStatisticsChanges::Web)) {
        QFont font = LabelWeb->font();
        font.setUnderline(view.webUnderlined);
        LabelWeb->setFont(font);
    }
    if (changes.has(DegreeStatisticsChanges::Window) || changes.showOwner)
        FollowWindowState(this, owner_, view.visible, closing_, changes.showOwner);
    applying_ = false;
    const DegreeStatisticsChanges later = model_->takeChanges();
    if (later.any()) apply(later);
}

void TFormEstGra::closeEvent(QCloseEvent* event) {
    closing_ = true;
    model_->FormClose();
    closing_ = false;
    event->accept();
}

void TFormEstGra::mouseMoveEvent(QMouseEvent* event) {
    model_->FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

bool TFormEstGra::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LabelWeb) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            model_->LabelWebMouseMove();
        if (event->type() == QEvent::MouseButtonRelease) model_->LabelWebClick();
    } else if (event->type() == QEvent::MouseMove) {
        model_->FormMouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
