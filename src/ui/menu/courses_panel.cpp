#include "ui/menu/courses_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "core/menu/courses.h"
#include "core/menu/menu_texts.h"
#include "ui/menu/facade.h"
#include "ui/shared/screen_parts.h"
#include "ui/shared/look.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/roll_transition.h"
#include "ui/shared/shadow_label.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

constexpr int kIconRole = Qt::UserRole;
constexpr int kRowHeight = 40;

// rejaDrawCell / reja2DrawCell: the family icon and its name, or the link icon and the course in
// bold blue, on the light-peach grid.
class CourseCells final : public QStyledItemDelegate {
  public:
    explicit CourseCells(QObject* parent) : QStyledItemDelegate(parent) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect cell = option.rect;
        painter->save();
        painter->fillRect(cell, ToQColor(PaletteColour::LightPeach));
        const bool link = index.column() == 1;
        ImageListIconos().draw(*painter, QPoint(cell.left() + 2, cell.top() + 5),
                               link ? CoursesPanel::kLinkIcon : index.data(kIconRole).toInt());
        painter->setFont(ArialFont(10, link));
        painter->setPen(link ? ToQColor(PaletteColour::Blue) : QColor(Qt::black));
        const QString caption = index.data().toString();
        QRect text = cell.adjusted(40, 10, -4, 0);
        // A text too long for one line takes two, centred in the row.
        if (painter->fontMetrics().horizontalAdvance(caption) > text.width())
            text = cell.adjusted(40, 0, -4, 0);
        const int flags = text.top() == cell.top()
                              ? Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap
                              : Qt::AlignLeft | Qt::AlignTop;
        painter->drawText(text, flags, caption);
        painter->restore();
    }
};

QTableWidget* MakeGrid(QWidget* parent, const char* name, QRect geometry) {
    auto* grid = new QTableWidget(0, 2, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setGeometry(geometry);
    grid->setFont(ArialFont(10));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = grid->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setFixedHeight(kRowHeight);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    header->setStyleSheet(
        QStringLiteral("QHeaderView { background-color: rgb(128, 0, 0); } "
                       "QHeaderView::section { background-color: rgb(128, 0, 0); color: white; "
                       "font-family: Arial; font-weight: bold; font-size: 13px; padding-left: 8px; "
                       "border: 0px; border-right: 1px solid rgb(255, 239, 206); }"));
    grid->setColumnWidth(0, 250);
    grid->setColumnWidth(1, 450);
    QPalette colours = grid->palette();
    colours.setColor(QPalette::Base, ToQColor(PaletteColour::LightPeach));
    grid->setPalette(colours);
    grid->setItemDelegate(new CourseCells(grid));
    grid->viewport()->setMouseTracking(true);
    return grid;
}

}  // namespace

CoursesPanel::CoursesPanel(CoursesBrowser& model, const MenuTexts& texts,
                           const SharedPictures& pictures, QWidget* parent)
    : QWidget(parent), model_(model), texts_(texts) {
    setObjectName(QStringLiteral("PanelEspeG"));
    setGeometry(0, 0, 1024, 768);
    hide();

    auto picture = [this, &pictures](const char* name, QRect geometry, const char* slot) {
        auto* tiles = new TiledPicture(pictures, slot, this);
        tiles->setObjectName(QString::fromLatin1(name));
        tiles->setGeometry(geometry);
        return tiles;
    };
    degradeini = picture("degradeini", {0, 0, 1024, 768}, "suelo");
    const QImage& left = pictures.picture("TilIzq");
    const QImage& right = pictures.picture("TilDer");
    TilIzq = picture("TilIzq", {0, 0, std::max(left.width(), 1), 768}, "TilIzq");
    TilDer = picture(
        "TilDer", {1024 - std::max(right.width(), 1), 0, std::max(right.width(), 1), 768}, "TilDer");
    TilArr = picture("TilArr", {0, 0, 1024, 50}, "marcoar");

    auto title = [this](const char* name, const QString& text, QRect geometry,
                        Qt::Alignment align) {
        auto* label = new ShadowLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(ArialFont(15, true));
        label->setColours(PaletteColour::Navy, PaletteColour::White);
        label->setAlignment(align | Qt::AlignVCenter);
        label->setGeometry(geometry);
        label->setText(text);
        return label;
    };
    RxLabelEspe = title("RxLabelEspe", texts.espeTitle, {40, 62, 460, 30}, Qt::AlignLeft);
    RxLabelAno = title("RxLabelAno", texts.espeYear, {500, 62, 484, 30}, Qt::AlignRight);
    ShrinkFontToFit(RxLabelAno);  // it holds the school's name, which may be long

    panelsel = new QWidget(this);
    panelsel->setObjectName(QStringLiteral("panelsel"));
    panelsel->setGeometry(112, 112, 800, 490);
    panelsel->setAutoFillBackground(true);
    QPalette colours = panelsel->palette();
    colours.setColor(QPalette::Window, ToQColor(PaletteColour::PaleBlue));
    panelsel->setPalette(colours);
    panelsel->hide();
    reja = MakeGrid(panelsel, "reja", {25, 20, 750, 328});
    reja2 = MakeGrid(panelsel, "reja2", {25, 370, 750, 97});
    for (QTableWidget* grid : {reja, reja2}) grid->viewport()->installEventFilter(this);

    ButtonRetroEspe = new QPushButton(texts.retroEspe, this);
    ButtonRetroEspe->setObjectName(QStringLiteral("ButtonRetroEspe"));
    ButtonRetroEspe->setFont(ArialFont(9));
    ButtonRetroEspe->setGeometry(447, 640, 129, 33);
    connect(ButtonRetroEspe, &QPushButton::clicked, this, [this] {
        model_.close();
        hide();
    });
}

void CoursesPanel::LabelCurEspClick() {
    show();
    raise();
    model_.open(texts_);
    if (model_.filled()) ButDondeClick();
}

void CoursesPanel::ButDondeClick() {
    fill(reja, CourseGrid::Reja);
    fill(reja2, CourseGrid::Reja2);
    RollTransition::Open(panelsel);
}

void CoursesPanel::fill(QTableWidget* grid, CourseGrid which) {
    grid->setHorizontalHeaderLabels({model_.header(which, 0), model_.header(which, 1)});
    const int rows = model_.rows(which);
    grid->setRowCount(rows);
    for (int r = 1; r <= rows; ++r) {
        const CourseRow& row = model_.row(which, r);
        auto* name = new QTableWidgetItem(row.name);
        name->setData(kIconRole, row.icon);
        grid->setItem(r - 1, 0, name);
        grid->setItem(r - 1, 1, new QTableWidgetItem(row.text));
    }
}

bool CoursesPanel::CellAt(QTableWidget* grid, QPoint point, int& row, int& column) {
    const QModelIndex index = grid->indexAt(point);
    if (!index.isValid()) return false;
    row = index.row() + 1;
    column = index.column();
    return true;
}

bool CoursesPanel::eventFilter(QObject* watched, QEvent* event) {
    QTableWidget* grid = watched == reja->viewport()    ? reja
                         : watched == reja2->viewport() ? reja2
                                                        : nullptr;
    if (!grid) return QWidget::eventFilter(watched, event);
    const CourseGrid which = grid == reja ? CourseGrid::Reja : CourseGrid::Reja2;
    if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        int row = 0;
        int column = 0;
        CellPointer pointer;
        if (CellAt(grid, mouse->position().toPoint(), row, column))
            pointer = model_.pointerAt(which, row, column);
        grid->viewport()->setToolTip(pointer.hint);
        grid->viewport()->setCursor(pointer.hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        int row = 0;
        int column = 0;
        if (mouse->button() == Qt::LeftButton &&
            CellAt(grid, mouse->position().toPoint(), row, column))
            model_.releaseAt(which, row, column);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmora
