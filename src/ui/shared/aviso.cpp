#include "ui/shared/aviso.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "ui/shared/look.h"

namespace velmora {
namespace {
constexpr int kNo = 140;
constexpr int kYes = 141;
}  // namespace

TForm4::TForm4(const Enlace& enlace, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(enlace.settings.schoolName);
    setModal(true);
    setFixedSize(382, 144);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(PaletteColour::LightYellow));
    setPalette(colours);
    setFont(ArialFont(8));

    LabelNombre = new QLabel(this);
    LabelNombre->setObjectName(QStringLiteral("LabelNombre"));
    LabelNombre->setFont(ArialFont(15, true));
    LabelNombre->move(40, 24);

    EditNombre = new QLineEdit(this);
    EditNombre->setObjectName(QStringLiteral("EditNombre"));
    EditNombre->setFont(ArialFont(10));
    EditNombre->setGeometry(40, 56, 213, 25);
    EditNombre->setMaxLength(45);  // the student's name holds at most 45 characters

    LabelNombre2 = new QLabel(this);
    LabelNombre2->setObjectName(QStringLiteral("LabelNombre2"));
    LabelNombre2->move(40, 56);

    ShadowSi = new QPushButton(cp1252::Decode(enlace.texts[kYes]), this);
    ShadowSi->setObjectName(QStringLiteral("ShadowSi"));
    ShadowSi->setGeometry(40, 100, 89, 33);
    ShadowSi->setFont(ArialFont(10, true));
    ShadowSi->setAutoDefault(false);
    connect(ShadowSi, &QPushButton::clicked, this, &QDialog::accept);

    ShadowNo = new QPushButton(cp1252::Decode(enlace.texts[kNo]), this);
    ShadowNo->setObjectName(QStringLiteral("ShadowNo"));
    ShadowNo->setGeometry(168, 100, 89, 33);
    ShadowNo->setFont(ArialFont(10, true));
    ShadowNo->setAutoDefault(false);
    connect(ShadowNo, &QPushButton::clicked, this, &QDialog::reject);

    backToQuestionMode();
}

void TForm4::backToQuestionMode() {
    EditNombre->hide();
    LabelNombre2->hide();
    ShadowNo->show();
}

bool TForm4::inQuestionMode() const {
    return EditNombre->isHidden() && LabelNombre2->isHidden() && !ShadowNo->isHidden();
}

void TForm4::done(int result) {
    QDialog::done(result);
    backToQuestionMode();
}

bool TForm4::ask() {
    // The dialog keeps its size: a long question or note takes a smaller font to fit in it.
    const int room = width() - LabelNombre->x() - 8;
    LabelNombre->setFont(ArialFont(15, true));
    LabelNombre->adjustSize();
    if (LabelNombre->width() > room) {
        LabelNombre->resize(room, LabelNombre->height());
        ShrinkFontToFit(LabelNombre);
    }
    if (!LabelNombre2->isHidden()) {
        LabelNombre2->setFont(font());
        LabelNombre2->adjustSize();
        if (LabelNombre2->width() > room) {
            LabelNombre2->resize(room, LabelNombre2->height());
            ShrinkFontToFit(LabelNombre2);
        }
    }
    return exec() == Accepted;
}

bool TForm4::question(const QString& text) {
    LabelNombre->setText(text);
    EditNombre->hide();
    return ask();
}

bool TForm4::questionWithNote(const QString& text, const QString& note) {
    LabelNombre->setText(text);
    EditNombre->hide();
    LabelNombre2->setText(note);
    LabelNombre2->show();
    return ask();
}

std::optional<QString> TForm4::askName(const QString& prompt, const QString& proposal) {
    QString name = proposal;
    for (;;) {
        LabelNombre->setText(prompt);
        EditNombre->setText(name);
        EditNombre->show();
        if (!ask()) return std::nullopt;
        name = EditNombre->text();
        if (!name.trimmed().isEmpty()) return name.trimmed();
    }
}

void TForm4::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            return;
        case Qt::Key_Escape:
            reject();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void TForm4::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
    if (!EditNombre->isHidden()) {
        EditNombre->setFocus();
        EditNombre->selectAll();
    } else {
        ShadowSi->setFocus();
    }
}

}  // namespace velmora
