#include "ui/guidance/itinerarios.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <type_traits>

#include "core/shared/enlace.h"
#include "ui/guidance/help_panel_view.h"
#include "ui/shared/hand_over.h"
#include "ui/shared/look.h"
#include "ui/shared/model_cells.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/roll_transition.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/shadow_label.h"

namespace velmora {
namespace {

using C = EsoControl;

// Where the screen's parts sit on its 1024 x 768 client area: the course and the year, the
// menu and the help panel on the left, the questionnaire on the right, the school across the
// bottom; the studies of a group roll open over the left side.
constexpr QRect kLabelAno{40, 54, 330, 100};
constexpr QRect kLabelNom{24, 706, 976, 48};
constexpr QRect kPanelMenu{40, 170, 330, 192};
constexpr QRect MenuEntry(int i) {
    return {16, 16 + i * 56, 298, 44};
}
constexpr int kPopupOverlap = 20;  // the popup starts this far inside the menu's right edge
constexpr QRect kPanelMenu2{kPanelMenu.right() + 1 - kPopupOverlap, kPanelMenu.top(), 440, 176};
constexpr QRect PopupEntry(int i) {
    return {12, 12 + i * 52, 416, 44};
}
constexpr QRect kHelpPanel{40, 470, 330, 232};
constexpr QRect kPanelItiner{407, 62, 577, 34};
constexpr QRect kPanelCuestio{407, 100, 577, 593};
constexpr int kGridWidth = EsoScreen::kGridColumnWidths[0] + EsoScreen::kGridColumnWidths[1] +
                           EsoScreen::kGridColumnWidths[2] + 22;
constexpr QRect kGcuestio{(577 - kGridWidth) / 2, 10, kGridWidth, 520};
constexpr QRect kListresCues{8, 10, 561, 520};
constexpr int kButtonsTop = 542;
constexpr QRect kBotResCues{10, kButtonsTop, 140, 40};
constexpr QRect kAcabarCues{158, kButtonsTop, 120, 40};
// The arrow stands just right of AcabarCues, a little higher.
constexpr QRect kBotContinuar{kAcabarCues.right() + 1 + 10, kButtonsTop - 4, 48, 48};
constexpr QRect kImpResul{312, kButtonsTop, 150, 40};
constexpr QRect kGrabar{470, kButtonsTop, 97, 40};
constexpr QRect kPanelCar{16, 164, 384, 538};
constexpr QRect kListCar{8, 8, 368, 472};
constexpr QRect kBotCerrar{8, 488, 140, 40};
constexpr QRect kBotImpTit{156, 488, 220, 40};
constexpr QSize kLabelAviso{250, 22};

// The result list: a frame around the heading while the list shows its first row.
class ResultList final : public QListWidget {
  public:
    explicit ResultList(QWidget* parent) : QListWidget(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override {
        QListWidget::paintEvent(event);
        if (count() == 0 || verticalScrollBar()->value() != 0) return;
        QPainter p(viewport());
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(ToQColor(PaletteColour::Maroon), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRect(QPoint(0, 20), QPoint(width() - 22, 140)), 15, 15);
    }
};

QFont ResultFont(int pixels) {
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

}  // namespace

TForm2::TForm2(EsoPlatform platform, QWidget* parent)
    : SectionScreen("TForm2", platform.pictures, parent),
      platform_(std::move(platform)),
      output_(std::make_unique<QuestionnaireOutput>(platform_.enlace, platform_.notice,
                                                    platform_.printing, platform_.saveDialog)),
      model_(std::make_unique<EsoScreen>(platform_.enlace, *output_)) {
    model_->FormCreate();
    createControls();
    controls_ = FindControls<C, kEsoControlCount>(this, EsoControlName);
    connectControls();
    setReady();
    EsoChanges everything;
    everything.parts = ~0u;
    model_->takeChanges();
    apply(everything);
}

TForm2::~TForm2() = default;

void TForm2::createControls() {
    const EsoView& view = model_->view();

    LabelNom = new ShadowLabel(this);
    LabelNom->setObjectName(QStringLiteral("LabelNom"));
    LabelNom->setGeometry(kLabelNom);
    LabelNom->setColours(PaletteColour::Navy, PaletteColour::White);
    LabelNom->setAlignment(Qt::AlignCenter);
    LabelAno = new ShadowLabel(this);
    LabelAno->setObjectName(QStringLiteral("LabelAno"));
    LabelAno->setGeometry(kLabelAno);
    LabelAno->setFont(ArialFont(33, true));
    LabelAno->setColours(PaletteColour::PaleYellow, PaletteColour::Navy);
    LabelAno->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    PanelMenu = MakePanel(this, "PanelMenu", kPanelMenu);
    botCuestio = MakeButton(PanelMenu, "botCuestio", MenuEntry(0));
    BotLOMCE = MakeButton(PanelMenu, "BotLOMCE", MenuEntry(1));
    BitAcabarLogse = MakeButton(PanelMenu, "BitAcabarLogse", MenuEntry(2));
    PanelMenu2 = MakePanel(this, "PanelMenu2", kPanelMenu2);
    BotCuestio1 = MakeButton(PanelMenu2, "BotCuestio1", PopupEntry(0));
    BotCuestio2 = MakeButton(PanelMenu2, "BotCuestio2", PopupEntry(1));
    BotCuestio3 = MakeButton(PanelMenu2, "BotCuestio3", PopupEntry(2));
    for (QPushButton* b :
         {botCuestio, BotLOMCE, BitAcabarLogse, BotCuestio1, BotCuestio2, BotCuestio3})
        b->setFont(ArialFont(11, true));

    HelpPanel = new HelpPanelView(model_->help(), this);
    HelpPanel->setGeometry(kHelpPanel);

    PanelItiner = MakeLabel(this, "PanelItiner", kPanelItiner);
    PanelItiner->setFont(ArialFont(12, true));
    PanelItiner->setAlignment(Qt::AlignCenter);
    PanelItiner->setFrameShape(QFrame::Panel);
    PanelItiner->setFrameShadow(QFrame::Raised);
    Paint(PanelItiner, PaletteColour::LightYellow, PaletteColour::Navy);

    PanelCuestio = MakePanel(this, "PanelCuestio", kPanelCuestio);
    PanelCuestio->setMouseTracking(true);
    PanelCuestio->installEventFilter(this);
    Gcuestio = MakeGrid(PanelCuestio, "Gcuestio", kGcuestio, EsoScreen::kGridColumnWidths[0],
                        EsoScreen::kGridColumnWidths[1], 22);
    Gcuestio->setColumnCount(3);
    Gcuestio->setColumnWidth(2, EsoScreen::kGridColumnWidths[2]);
    Gcuestio->setFont(ArialFont(11));
    Gcuestio->horizontalHeader()->show();
    Gcuestio->horizontalHeader()->setFont(ArialFont(11, true));
    Gcuestio->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Gcuestio->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Gcuestio->setShowGrid(true);
    Gcuestio->installEventFilter(this);

    ListresCues = new ResultList(PanelCuestio);
    ListresCues->setObjectName(QStringLiteral("ListresCues"));
    ListresCues->setGeometry(kListresCues);
    ListresCues->setUniformItemSizes(true);
    ListresCues->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListresCues->setSelectionMode(QAbstractItemView::NoSelection);
    ListresCues->setMouseTracking(true);
    ListresCues->viewport()->installEventFilter(this);
    Paint(ListresCues, PaletteColour::LightPeach);
    ListresCues->setItemDelegate(new ModelCells(
        ImageListIconos(), [&view](int row, int) { return CellOf(view.resultRows, row); },
        EsoScreen::kResultRowHeight, ListresCues));

    BotResCues = MakeButton(PanelCuestio, "BotResCues", kBotResCues);
    AcabarCues = MakeButton(PanelCuestio, "AcabarCues", kAcabarCues);
    BotContinuar = MakeButton(PanelCuestio, "BotContinuar", kBotContinuar);
    BotContinuar->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    BotContinuar->setIconSize(QSize(32, 32));
    ImpResul = MakeButton(PanelCuestio, "ImpResul", kImpResul);
    grabar = MakeButton(PanelCuestio, "grabar", kGrabar);

    PanelCar = MakePanel(this, "PanelCar", kPanelCar);
    ListCar = MakeModelList(PanelCar, "ListCar", kListCar, 18, view.studyRows, 10, false);
    BotCerrar = MakeButton(PanelCar, "BotCerrar", kBotCerrar);
    BotImpTit = MakeButton(PanelCar, "BotImpTit", kBotImpTit);

    LabelAviso = MakeLabel(this, "LabelAviso", QRect(QPoint(0, 0), kLabelAviso));
    LabelAviso->setFont(ArialFont(9, true));
    LabelAviso->setAlignment(Qt::AlignCenter);
    LabelAviso->setFrameShape(QFrame::Box);
    LabelAviso->setAttribute(Qt::WA_TransparentForMouseEvents);
    Paint(LabelAviso, PaletteColour::LightYellow, PaletteColour::Navy);

    for (QPushButton* b : {botCuestio, BitAcabarLogse}) b->installEventFilter(this);
}

void TForm2::connectControls() {
    EsoScreen* m = model_.get();
    auto click = [this](QPushButton* button, auto handler) {
        connect(button, &QPushButton::clicked, this, [this, handler] { act(handler); });
    };
    click(botCuestio, [m] { m->botCuestioMouseMove(); });
    click(BotLOMCE, [m] { return m->BotLOMCEClick(); });
    click(BitAcabarLogse, [m] { return m->BitAcabarLogseClick(); });
    click(BotCuestio1, [m] { m->BotCuestio1Click(); });
    click(BotCuestio2, [m] { return m->BotCuestio2Click(); });
    click(BotCuestio3, [m] { m->BotCuestio3Click(); });
    click(BotResCues, [m] { m->BotResCuesClick(); });
    click(AcabarCues, [m] { return m->AcabarCuesClick(); });
    click(BotContinuar, [m] { return m->BotContinuarClick(); });
    click(ImpResul, [m] { m->ImpResulClick(); });
    click(grabar, [m] { m->grabarClick(); });
    click(BotCerrar, [m] { m->BotCerrarClick(); });
    click(BotImpTit, [m] { m->BotImpTitClick(); });
    connect(Gcuestio, &QTableWidget::cellPressed, this,
            [this, m](int row, int) { act([m, row] { m->GcuestioClick(row + 1); }); });
    connect(ListresCues, &QListWidget::clicked, this, [this, m](const QModelIndex& index) {
        act([m, index] { m->ListresCuesClick(index.row() + 1); });
    });
    connect(ListCar, &QListWidget::clicked, this, [this, m] { act([m] { m->ListCarClick(); }); });
}

template <typename Handler>
void TForm2::act(Handler&& handler) {
    if constexpr (std::is_void_v<std::invoke_result_t<Handler>>) {
        handler();
        apply(model_->takeChanges());
    } else {
        const std::string_view to = handler();
        apply(model_->takeChanges());
        if (!to.empty()) HandOver(this, to, platform_.screen);
    }
}

// --- Showing the model's view ------------------------------------------------------------------

void TForm2::fillGrid() {
    const EsoView& view = model_->view();
    Gcuestio->setHorizontalHeaderLabels(
        {view.gridHeader[0], view.gridHeader[1], view.gridHeader[2]});
    Gcuestio->clearContents();
    Gcuestio->setRowCount(view.gridRows);
    for (int q = 1; q <= view.gridRows; ++q) showRow(q);
}

void TForm2::showRow(int question) {
    const auto& rows = model_->view().questionRows;
    if (question < 1 || question > static_cast<int>(rows.size()) || question > Gcuestio->rowCount())
        return;
    const QuestionRow& row = rows[static_cast<size_t>(question - 1)];
    const QString texts[3] = {row.question, row.answer, row.stars};
    for (int c = 0; c < 3; ++c) {
        QTableWidgetItem* item = Gcuestio->item(question - 1, c);
        if (!item) {
            item = new QTableWidgetItem;
            Gcuestio->setItem(question - 1, c, item);
        }
        item->setText(texts[c]);
    }
}

void TForm2::apply(const EsoChanges& changes) {
    const EsoView& view = model_->view();
    if (changes.has(EsoChanges::Grid)) fillGrid();
    for (const int question : changes.answeredRows) showRow(question);
    if (changes.has(EsoChanges::Results)) {
        ListresCues->setFont(ResultFont(view.resultPixels));
        FillRows(ListresCues, view.resultRows);
    }
    if (changes.has(EsoChanges::Studies)) FillRows(ListCar, view.studyRows);
    if (changes.has(EsoChanges::Aviso)) LabelAviso->move(view.avisoAt);
    if (changes.has(EsoChanges::Controls)) {
        setWindowTitle(view.windowTitle);
        // A panel rolling shut hides itself when its effect ends.
        ApplyControls(controls_, view.controls, {}, std::function<bool(C)>([&](C which) {
                          for (const EsoEffect& effect : changes.effects)
                              if (effect.panel == which && effect.kind == EsoEffect::Kind::Close)
                                  return true;
                          return false;
                      }));
        LabelNom->setFont(ArialFont(view.schoolNamePoints, true));
        ShrinkFontToFit(LabelNom);
        for (QWidget* w : {static_cast<QWidget*>(PanelMenu2), static_cast<QWidget*>(PanelCar),
                           static_cast<QWidget*>(LabelAviso)})
            if (w->isVisible()) w->raise();
    }
    if (changes.has(EsoChanges::Help)) HelpPanel->refresh();
    for (const EsoEffect& effect : changes.effects)
        PlayPanelEffect(control(effect.panel), effect.kind, EsoScreen::kTransitionMs);
    for (const EsoChanges::Scroll& scroll : changes.scrolls)
        ScrollToTop(qobject_cast<QAbstractItemView*>(control(scroll.control)), scroll.topRow,
                    scroll.clearSelection);
    if (changes.focus)
        if (QWidget* target = control(*changes.focus)) target->setFocus();
}

// --- Events ------------------------------------------------------------------------------------

void TForm2::closeEvent(QCloseEvent* event) {
    if (model_->FormCloseQuery(platform_.shutdown)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm2::showEvent(QShowEvent* event) {
    SectionScreen::showEvent(event);
    // The caller chose which of the two menu buttons shows.
    act([this] { model_->FormShow(!BotLOMCE->isHidden(), !botCuestio->isHidden()); });
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        act([this] { return model_->EscapePressed(); });
        return;
    }
    SectionScreen::keyPressEvent(event);
}

void TForm2::backgroundMouseMove() {
    act([this] { model_->FormMouseMove(); });
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (!ready()) return SectionScreen::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (watched == botCuestio && type == QEvent::Enter) {
        act([this] { model_->botCuestioMouseMove(); });
    } else if (watched == BitAcabarLogse && type == QEvent::Enter) {
        act([this] { model_->BitAcabarLogseMouseMove(); });
    } else if (watched == ListresCues->viewport() && type == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QModelIndex index = ListresCues->indexAt(at);
        const int line = index.isValid() ? index.row() + 1 : 0;
        const QPoint pointer = ListresCues->viewport()->mapTo(this, at);
        act([&] { model_->ListresCuesMouseMove(line, pointer); });
    } else if (watched == ListresCues->viewport() && type == QEvent::Leave) {
        act([this] { model_->FormMouseMove(); });
    } else if (watched == PanelCuestio && type == QEvent::MouseMove) {
        act([this] { model_->FormMouseMove(); });
    } else if (watched == Gcuestio && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int row = Gcuestio->currentRow();
            act([&] { model_->GcuestioClick(row + 1); });
            return true;
        }
    }
    return SectionScreen::eventFilter(watched, event);
}

}  // namespace velmora
