#pragma once

#include <QDialog>

#include "core/shared/notice.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class Enlace;

// TForm4: the notice dialog of every screen, for a yes/no question or for typing a name. Enter
// answers yes and Escape no; on closing it returns to question mode.
class TForm4 : public QDialog, public Notice {
    Q_OBJECT
  public:
    explicit TForm4(const Enlace& enlace, QWidget* parent = nullptr);

    bool question(const QString& text) override;
    bool questionWithNote(const QString& text, const QString& note) override;
    std::optional<QString> askName(const QString& prompt, const QString& proposal) override;

    bool inQuestionMode() const;

    QLabel* LabelNombre;
    QLineEdit* EditNombre;
    QLabel* LabelNombre2;
    QPushButton* ShadowSi;
    QPushButton* ShadowNo;

    void done(int result) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool ask();
    void backToQuestionMode();
};

}  // namespace velmora
