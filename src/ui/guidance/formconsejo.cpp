#include "ui/guidance/formconsejo.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "core/shared/display_mode.h"
#include "core/shared/section_back.h"
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

using C = AdviceControl;

// Where the screen's panels sit on its 1024 x 768 client area: the menu and the help panel on
// the left, the lists, the ranking and the studies on the right.
constexpr QRect kPanelMenuCon{40, 70, 320, 252};
constexpr QRect kHelpPanel{40, 340, 320, 230};
constexpr QRect kPanelListCon{376, 62, 616, 640};
constexpr QRect kItemList{10, 10, 596, 566};
constexpr QRect kPanelResCon{10, 10, 596, 32};
constexpr QRect kPanelResul{386, 118, 596, 470};
constexpr int kGridWidth =
    AdviceScreen::kGridColumnWidths[0] + AdviceScreen::kGridColumnWidths[1] + 4;
constexpr QRect kListResul{(616 - kGridWidth) / 2, 56, kGridWidth,
                           12 * AdviceScreen::kGridRowHeight + 4};
constexpr QRect MenuEntry(int i) {
    return {20, 20 + i * 56, 280, 44};
}
constexpr QRect PanelButton(int i) {
    return {10 + i * 150, 588, 140, 40};
}

// A visited menu entry.
const QColor kPurple(128, 0, 128);

void Highlight(QPushButton* button, bool visited) {
    QFont font = button->font();
    font.setItalic(visited);
    button->setFont(font);
    QPalette colours = button->palette();
    colours.setColor(QPalette::ButtonText, visited ? kPurple : QColor(Qt::black));
    button->setPalette(colours);
}

}  // namespace

TFormCon::TFormCon(AdvicePlatform platform, QWidget* parent)
    : SectionScreen("TFormCon", platform.pictures, parent),
      platform_(std::move(platform)),
      output_(std::make_unique<QuestionnaireOutput>(platform_.enlace, platform_.notice,
                                                    platform_.printing, platform_.saveDialog)),
      model_(std::make_unique<AdviceScreen>(platform_.enlace, *output_)) {
    model_->FormCreate();
    createControls();
    controls_ = FindControls<C, kAdviceControlCount>(this, AdviceControlName);
    connectControls();
    setReady();
    AdviceChanges everything;
    everything.parts = ~0u;
    model_->takeChanges();
    apply(everything);
}

TFormCon::~TFormCon() = default;

void TFormCon::createControls() {
    const AdviceView& view = model_->view();

    PanelMenuCon = MakePanel(this, "PanelMenuCon", kPanelMenuCon);
    const char* const entries[] = {"Menucua", "MenuGus", "MenuMedia", "MenuRetroCon"};
    QPushButton** buttons[] = {&Menucua, &MenuGus, &MenuMedia, &MenuRetroCon};
    for (int i = 0; i < 4; ++i) *buttons[i] = MakeButton(PanelMenuCon, entries[i], MenuEntry(i));

    HelpPanel = new HelpPanelView(model_->help(), this);
    HelpPanel->setGeometry(kHelpPanel);

    PanelListCon = MakePanel(this, "PanelListCon", kPanelListCon);
    PanelListCon->setMouseTracking(true);
    PanelListCon->installEventFilter(this);
    ListCua = MakeModelList(PanelListCon, "ListCua", kItemList, AdviceScreen::kItemRowHeight,
                            view.qualityRows, 11, false);
    Listint = MakeModelList(PanelListCon, "Listint", kItemList, AdviceScreen::kItemRowHeight,
                            view.interestRows, 11, false);
    PanelResCon = MakeLabel(PanelListCon, "PanelResCon", kPanelResCon);
    PanelResCon->setFont(ArialFont(12, true));
    PanelResCon->setAlignment(Qt::AlignCenter);
    PanelResCon->setFrameShape(QFrame::Panel);
    PanelResCon->setFrameShadow(QFrame::Raised);
    Paint(PanelResCon, PaletteColour::LightYellow, PaletteColour::Navy);
    ListResul = MakeGrid(PanelListCon, "ListResul", kListResul, AdviceScreen::kGridColumnWidths[0],
                         AdviceScreen::kGridColumnWidths[1], AdviceScreen::kGridRowHeight);
    ListResul->setFont(ArialFont(12));  // 16 pixels
    ListResul->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* cells = new ModelCells(
        ImageListIconos(),
        [&view](int row, int column) { return CellOf(view.resultRows, row, column); },
        AdviceScreen::kGridRowHeight, ListResul);
    cells->setShrinkToFit(true);
    ListResul->setItemDelegate(cells);
    ListResul->viewport()->installEventFilter(this);
    VerResul = MakeButton(PanelListCon, "VerResul", PanelButton(0));
    revisa = MakeButton(PanelListCon, "revisa", PanelButton(0));
    acabarCua = MakeButton(PanelListCon, "acabarCua", PanelButton(1));
    ImpResul = MakeButton(PanelListCon, "ImpResul", PanelButton(2));
    grabar = MakeButton(PanelListCon, "grabar", PanelButton(3));

    PanelResul = MakePanel(this, "PanelResul", kPanelResul);
    ListCarreras = MakeModelList(PanelResul, "ListCarreras", QRect(10, 10, 576, 400), 18,
                                 view.studyRows, 10, false);
    BotCerrar = MakeButton(PanelResul, "BotCerrar", QRect(228, 418, 140, 40));

    LabelAviso = MakeLabel(this, "LabelAviso", QRect(0, 0, 260, 22));
    LabelAviso->setFont(ArialFont(9, true));
    LabelAviso->setAlignment(Qt::AlignCenter);
    LabelAviso->setFrameShape(QFrame::Box);
    LabelAviso->setAttribute(Qt::WA_TransparentForMouseEvents);
    Paint(LabelAviso, PaletteColour::LightYellow, PaletteColour::Navy);

    labelCentro = MakeSchoolLabel(this);

    for (QListWidget* list : {ListCua, Listint}) list->installEventFilter(this);
}

void TFormCon::connectControls() {
    auto click = [this](QPushButton* button, void (AdviceScreen::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { act([this, handler] { (model_.get()->*handler)(); }); });
    };
    click(Menucua, &AdviceScreen::MenucuaClick);
    click(MenuGus, &AdviceScreen::MenuGusClick);
    click(MenuMedia, &AdviceScreen::MenuMediaClick);
    click(VerResul, &AdviceScreen::VerResulClick);
    click(revisa, &AdviceScreen::revisaClick);
    click(acabarCua, &AdviceScreen::acabarCuaClick);
    click(BotCerrar, &AdviceScreen::BotCerrarClick);
    click(ImpResul, &AdviceScreen::ImpResulClick);
    click(grabar, &AdviceScreen::grabarClick);
    connect(MenuRetroCon, &QPushButton::clicked, this, [this] {
        LeaveTo where = LeaveTo::MainMenu;
        act([&] { where = model_->MenuRetroConClick(); });
        HandOver(this, ScreenOf(where), platform_.screen);
    });
    connect(ListCua, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { act([&] { model_->ListCuaClick(index.row()); }); });
    connect(Listint, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { act([&] { model_->ListintClick(index.row()); }); });
    connect(ListResul, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { act([&] { model_->ListResulDblClick(row); }); });
}

template <typename Handler>
void TFormCon::act(Handler&& handler) {
    handler();
    apply(model_->takeChanges());
}

void TFormCon::apply(const AdviceChanges& changes) {
    const AdviceView& view = model_->view();
    if (changes.has(AdviceChanges::Menu)) applyMenu();
    if (changes.has(AdviceChanges::QualityRows)) {
        const int current = ListCua->currentRow();
        FillRows(ListCua, view.qualityRows);
        ListCua->setCurrentRow(current);
    }
    if (changes.has(AdviceChanges::InterestRows)) {
        const int current = Listint->currentRow();
        FillRows(Listint, view.interestRows);
        Listint->setCurrentRow(current);
    }
    if (changes.has(AdviceChanges::ResultRows)) FillRows(ListResul, view.resultRows);
    if (changes.has(AdviceChanges::StudyRows)) FillRows(ListCarreras, view.studyRows);
    if (changes.has(AdviceChanges::Aviso))
        LabelAviso->move(PanelListCon->x() + ListResul->x() + 60, view.avisoTop);
    if (changes.has(AdviceChanges::Controls)) applyControls(changes);
    if (changes.has(AdviceChanges::Help)) HelpPanel->refresh();
    for (const AdviceEffect& effect : changes.effects)
        PlayPanelEffect(control(effect.panel), effect.kind, AdviceScreen::kTransitionMs);
    if (changes.focus)
        if (QWidget* target = control(*changes.focus)) target->setFocus();
}

void TFormCon::applyControls(const AdviceChanges& changes) {
    setWindowTitle(model_->view().windowTitle);
    // A panel closing with its effect hides itself when the effect ends.
    ApplyControls(controls_, model_->view().controls, {}, std::function<bool(C)>([&](C which) {
                      for (const AdviceEffect& effect : changes.effects)
                          if (effect.panel == which && effect.kind == AdviceEffect::Kind::Close)
                              return true;
                      return false;
                  }));
    ShrinkFontToFit(labelCentro);  // the school's name
    if (LabelAviso->isVisible()) LabelAviso->raise();
}

void TFormCon::applyMenu() {
    const auto& visited = model_->view().visited;
    Highlight(Menucua, visited[static_cast<size_t>(AdviceMenu::Qualities)]);
    Highlight(MenuGus, visited[static_cast<size_t>(AdviceMenu::Interests)]);
    Highlight(MenuMedia, visited[static_cast<size_t>(AdviceMenu::Average)]);
}

void TFormCon::closeEvent(QCloseEvent* event) {
    if (model_->FormCloseQuery(platform_.shutdown)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TFormCon::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The restart question comes once the screen is on show.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) act([this] { model_->FormShow(); });
    });
}

void TFormCon::backgroundMouseMove() {
    act([this] { model_->FormMouseMove(); });
}

bool TFormCon::eventFilter(QObject* watched, QEvent* event) {
    if (!ready()) return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (watched == ListResul->viewport() && type == QEvent::MouseMove) {
        const int y = static_cast<QMouseEvent*>(event)->position().toPoint().y();
        const int top = ListResul->viewport()->mapTo(this, QPoint(0, 0)).y();
        act([&] { model_->ListResulMouseMove(y, top); });
    } else if (watched == PanelListCon && type == QEvent::MouseMove) {
        act([this] { model_->FormMouseMove(); });
    } else if ((watched == ListCua || watched == Listint) && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto* list = static_cast<QListWidget*>(watched);
            const int row = list->currentRow();
            act([&] {
                if (list == ListCua) {
                    model_->ListCuaClick(row);
                } else {
                    model_->ListintClick(row);
                }
            });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
