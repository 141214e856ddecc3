#include "ui/guidance/formlomce.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "core/shared/display_mode.h"
#include "core/shared/enlace.h"
#include "core/shared/section_back.h"
#include "ui/shared/drawing.h"
#include "ui/shared/look.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/roll_transition.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/shared_pictures.h"
#include "ui/university/grados_cells.h"

namespace velmora {
namespace {

constexpr int kTransitionMs = 400;

// A small round button: an "i" for an explanation, an arrow for a way from one stage to another.
class RoundButton final : public QAbstractButton {
  public:
    RoundButton(DiagramGlyph glyph, QWidget* parent) : QAbstractButton(parent), glyph_(glyph) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1);
        QRadialGradient shine(face.center() - QPointF(3, 3), face.width() * 0.7);
        shine.setColorAt(0, QColor(120, 170, 255));
        shine.setColorAt(
            1, isDown() ? ToQColor(PaletteColour::Maroon) : ToQColor(PaletteColour::Navy));
        p.setPen(QPen(ToQColor(PaletteColour::White), 1.5));
        p.setBrush(shine);
        p.drawEllipse(face);
        p.setPen(Qt::NoPen);
        p.setBrush(ToQColor(PaletteColour::White));
        const QPointF c = face.center();
        const double r = face.width() / 2;
        QPainterPath mark;
        switch (glyph_) {
            case DiagramGlyph::Info:
                p.drawEllipse(QPointF(c.x(), c.y() - r * 0.45), r * 0.14, r * 0.14);
                p.drawRect(QRectF(c.x() - r * 0.12, c.y() - r * 0.18, r * 0.24, r * 0.62));
                return;
            case DiagramGlyph::Up:
                mark.moveTo(c.x(), c.y() - r * 0.6);
                mark.lineTo(c.x() + r * 0.5, c.y() + r * 0.35);
                mark.lineTo(c.x() - r * 0.5, c.y() + r * 0.35);
                break;
            case DiagramGlyph::Right:
                mark.moveTo(c.x() + r * 0.6, c.y());
                mark.lineTo(c.x() - r * 0.35, c.y() - r * 0.5);
                mark.lineTo(c.x() - r * 0.35, c.y() + r * 0.5);
                break;
        }
        mark.closeSubpath();
        p.drawPath(mark);
    }

  private:
    DiagramGlyph glyph_;
};

// A wall of bricks, the exam or title a student passes.
void PaintWall(QPainter& p, const QRect& rect) {
    p.fillRect(rect, QColor(170, 74, 52));
    p.setPen(QColor(226, 214, 196));
    constexpr int kCourse = 7;
    constexpr int kBrick = 22;
    for (int y = rect.top(), row = 0; y <= rect.bottom(); y += kCourse, ++row) {
        p.drawLine(rect.left(), y, rect.right(), y);
        for (int x = rect.left() + (row % 2 ? kBrick / 2 : 0); x <= rect.right(); x += kBrick)
            p.drawLine(x, y, x, std::min(y + kCourse, rect.bottom()));
    }
    p.setPen(QColor(110, 44, 30));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
}

// A caption, made smaller when its text would not fit (a language's longer words).
void PaintCaption(QPainter& p, const DiagramElement& e, const QString& text) {
    const DiagramCaption& c = e.caption;
    QRect area = e.rect;
    if (c.plate) {
        p.fillRect(area, ToQColor(PaletteColour::LightYellow));
        p.setPen(ToQColor(PaletteColour::Maroon));
        p.drawRect(area.adjusted(0, 0, -1, -1));
    }
    QFont font = ArialFont(c.points, true);
    const int room = (c.vertical ? area.height() : area.width()) - 4;
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.setPen(ToQColor(c.colour));
    if (!c.vertical) {
        p.drawText(area, Qt::AlignCenter, text);
        return;
    }
    p.save();
    p.translate(area.center().x() + 1, area.center().y() + 1);
    p.rotate(-90);
    p.drawText(QRect(-area.height() / 2, -area.width() / 2, area.height(), area.width()),
               Qt::AlignCenter, text);
    p.restore();
}

// A list whose rows are drawn as the model describes them.
QListWidget* RowList(const std::vector<Cell>& rows, QWidget* parent, const char* name,
                     QRect geometry) {
    auto* list = MakeList(parent, name, geometry);
    list->setFrameShape(QFrame::Box);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setItemDelegate(new ModelCells(
        DegreesRowIcons(),
        [&rows](int row, int) -> const Cell* {
            return row >= 0 && static_cast<size_t>(row) < rows.size()
                       ? &rows[static_cast<size_t>(row)]
                       : nullptr;
        },
        DiagramLayout::kRowHeight, list));
    return list;
}

void Fill(QListWidget* list, const std::vector<Cell>& rows) {
    list->clear();
    for (const Cell& row : rows) list->addItem(row.text);
}

}  // namespace

DiagramPanel::DiagramPanel(const LomceDiagram& model, QWidget* parent)
    : QWidget(parent), model_(model) {}

void DiagramPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const QRect& box : DiagramBoxes())
        GradientFill(p, box, ToQColor(DiagramLayout::kBoxTop), ToQColor(DiagramLayout::kBoxBottom));
    const auto elements = DiagramElements();
    const DiagramView& view = model_.view();
    // Walls and bands under the captions.
    for (size_t i = 0; i < elements.size(); ++i) {
        if (!view.visible[i]) continue;
        const DiagramElement& e = elements[i];
        if (e.kind == DiagramKind::Wall) PaintWall(p, e.rect);
        if (e.kind == DiagramKind::Shape) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(QColor(255, 255, 255, 200), 1));
            p.setBrush(QColor(255, 255, 255, 90));
            p.drawRoundedRect(QRectF(e.rect).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
            p.setRenderHint(QPainter::Antialiasing, false);
        }
    }
    for (size_t i = 0; i < elements.size(); ++i)
        if (view.visible[i] && elements[i].kind == DiagramKind::Label)
            PaintCaption(p, elements[i], view.caption[i]);
}

TFlomce::TFlomce(DiagramPlatform platform, QWidget* parent)
    : QWidget(parent), platform_(std::move(platform)), model_(platform_.enlace) {
    FormCreate();
}

TFlomce::~TFlomce() = default;

void TFlomce::FormCreate() {
    setObjectName(QStringLiteral("TFlomce"));
    setFixedSize(kScreenMode.width, kScreenMode.height);
    move(0, 0);

    model_.FormCreate();
    const DiagramView& view = model_.view();

    LabelLOMCE = new QLabel(this);
    LabelLOMCE->setObjectName(QStringLiteral("LabelLOMCE"));
    LabelLOMCE->setGeometry(DiagramLayout::kLabelLOMCE);
    LabelLOMCE->setFont(ArialFont(12, true));
    LabelFle = new QLabel(this);
    LabelFle->setObjectName(QStringLiteral("LabelFle"));
    LabelFle->setGeometry(DiagramLayout::kLabelFle);
    LabelFle->setFont(ArialFont(10, true));
    LabelFle->setWordWrap(true);
    LabelFle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel* label : {LabelLOMCE, LabelFle}) {
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, ToQColor(PaletteColour::Maroon));
        label->setPalette(colours);
    }

    ListExplica = RowList(view.explanation, this, "ListExplica", DiagramLayout::kListExplica);

    BitFleIz = ArrowButton(QStringLiteral("BitFleIz"), DiagramLayout::kBitFleIz, true, this);
    BitFleDe = ArrowButton(QStringLiteral("BitFleDe"), DiagramLayout::kBitFleDe, false, this);
    BitRetro = MakeButton(this, "BitRetro", DiagramLayout::kBitRetro);
    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(BitFleIz), static_cast<QAbstractButton*>(BitFleDe),
          static_cast<QAbstractButton*>(BitRetro)}) {
        b->setFont(ArialFont(10));
        b->setCursor(Qt::PointingHandCursor);
    }
    connect(BitFleDe, &QToolButton::clicked, this, [this] {
        model_.BitFleDeClick();
        refresh();
    });
    connect(BitFleIz, &QToolButton::clicked, this, [this] {
        model_.BitFleIzClick();
        refresh();
    });
    connect(BitRetro, &QPushButton::clicked, this, [this] { BitRetroClick(); });

    Paneliti = new DiagramPanel(model_, this);
    Paneliti->setObjectName(QStringLiteral("Paneliti"));
    Paneliti->setGeometry(DiagramLayout::kPaneliti);
    const auto elements = DiagramElements();
    buttons.assign(elements.size(), nullptr);
    for (const int element : DiagramButtons()) {
        const DiagramElement& e = elements[static_cast<size_t>(element)];
        auto* b = new RoundButton(e.glyph, Paneliti);
        b->setObjectName(NameOf(e.name));
        b->setGeometry(e.rect);
        connect(b, &QAbstractButton::clicked, this, [this, element] {
            model_.ElementClick(element);
            refresh();
        });
        buttons[static_cast<size_t>(element)] = b;
    }

    PanelEx = MakePanel(this, "PanelEx", DiagramLayout::kPanelEx);
    ListBit = RowList(view.panel, PanelEx, "ListBit", DiagramLayout::kListBit);
    BotCerrar = MakeButton(PanelEx, "BotCerrar", DiagramLayout::kBotCerrar);
    BotCerrar->setCursor(Qt::PointingHandCursor);
    connect(BotCerrar, &QPushButton::clicked, this, [this] {
        model_.BotCerrarClick();
        refresh();
    });
    PanelEx->hide();

    TimerParpadeo = new QTimer(this);
    TimerParpadeo->setObjectName(QStringLiteral("TimerParpadeo"));
    TimerParpadeo->setInterval(LomceDiagram::kBlinkInterval);
    connect(TimerParpadeo, &QTimer::timeout, this, [this] { TimerParpadeoTimer(); });

    DiagramChanges everything;
    everything.parts = ~0u;
    model_.takeChanges();
    apply(everything);
}

QAbstractButton* TFlomce::button(std::string_view name) const {
    const std::optional<int> element = DiagramElementNamed(name);
    return element ? buttons.at(static_cast<size_t>(*element)) : nullptr;
}

void TFlomce::apply(const DiagramChanges& changes) {
    const DiagramView& view = model_.view();
    if (changes.has(DiagramChanges::Captions)) {
        setWindowTitle(view.windowTitle);
        LabelLOMCE->setText(view.labelLOMCE);
        LabelFle->setText(view.labelFle);
        BitRetro->setText(view.retro);
        BotCerrar->setText(view.cerrar);
    }
    if (changes.has(DiagramChanges::Hints))
        for (size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i]) buttons[i]->setToolTip(view.hint[i]);
    if (changes.has(DiagramChanges::Explanation)) Fill(ListExplica, view.explanation);
    if (changes.has(DiagramChanges::Panel)) Fill(ListBit, view.panel);
    if (changes.has(DiagramChanges::Visibility) || changes.has(DiagramChanges::Captions)) {
        for (size_t i = 0; i < buttons.size(); ++i)
            if (buttons[i]) buttons[i]->setVisible(view.visible[i]);
        LabelFle->setVisible(view.labelFleVisible);
        BitFleIz->setVisible(view.backVisible);
        BitFleIz->setEnabled(view.backEnabled);
        BitFleDe->setEnabled(view.forwardEnabled);
        Paneliti->update();
    }
    if (changes.panelTransition) {
        if (*changes.panelTransition) {
            PanelEx->hide();
            PanelEx->raise();
            RollTransition::Open(PanelEx, RollTransition::Shape::Roll, kTransitionMs);
        } else if (PanelEx->isVisible()) {
            RollTransition::Close(PanelEx, RollTransition::Shape::Roll, kTransitionMs);
        }
    }
    const bool run = model_.blinking() && isVisible();
    if (run && !TimerParpadeo->isActive()) TimerParpadeo->start();
    if (!run && TimerParpadeo->isActive()) TimerParpadeo->stop();
}

void TFlomce::TimerParpadeoTimer() {
    model_.tick();
    refresh();
}

void TFlomce::BitRetroClick() {
    TimerParpadeo->stop();
    // Back to the ESO screen; opened some other way in a build without it, to where any section
    // screen goes back.
    const bool eso = platform_.screen && platform_.screen("TForm2");
    HandOver(this, eso ? std::string_view("TForm2") : ScreenOf(SectionBack(platform_.enlace)),
             platform_.screen);
}

void TFlomce::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_.FormActivate();
    refresh();
}

void TFlomce::closeEvent(QCloseEvent* event) {
    // Closing the window goes back to the ESO screen, as the back button does.
    if (isVisible()) BitRetroClick();
    event->accept();
}

void TFlomce::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintTiles(p, rect(), platform_.pictures, "suelo");
}

}  // namespace velmora
