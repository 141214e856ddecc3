#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "core/vocational/catalogue_screen.h"
#include "ui/shared/section_screen.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;
class QTimer;

namespace velmora {

class Enlace;
class Printing;
class ShadowLabel;
class SharedPictures;

// What the catalogue of titles needs of the program.
struct CataloguePlatform {
    Enlace& enlace;
    const SharedPictures& pictures;
    Printing& printing;
    // The screens created so far, by class name: where leaving this screen leads.
    std::function<QWidget*(std::string_view)> screen;
};

// TFormCat: the catalogue of titles. A student picks a professional family and sees its degrees,
// higher, intermediate and basic titles and certificates side by side; a click on an entry shows
// its requirements and jobs; the family's catalogue is printed.
class TFormCat : public SectionScreen {
    Q_OBJECT

  public:
    explicit TFormCat(CataloguePlatform platform, QWidget* parent = nullptr);
    ~TFormCat() override;

    CatalogueScreen& model() { return *model_; }
    QListWidget* list(CatalogueList which) const { return lists_[static_cast<size_t>(which)]; }

    QListWidget* ListFam;
    ShadowLabel* LabelFami;
    QLabel* LabelAyu0;
    QFrame* panelsel;
    QTextEdit* ListSel;
    QPushButton* botcerrar;
    QPushButton* BotImprimir;
    QPushButton* BotRetroceder;
    QTimer* TimerAyu;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void createControls();
    void connectControls();
    template <typename Handler>
    void act(Handler&& handler);
    void apply(const CatalogueChanges& changes);
    void leave(LeaveTo where);

    CataloguePlatform platform_;
    std::unique_ptr<CatalogueScreen> model_;
    std::array<QListWidget*, kCatalogueLists> lists_{};
    std::array<QWidget*, kCatControlCount> controls_{};
};

}  // namespace velmora
