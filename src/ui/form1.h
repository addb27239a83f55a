#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "render/image_surface.h"
#include "setup/field_editor.h"
#include "setup/setup_window.h"
#include "ui/popup_menus.h"
#include "eventloop/qt_timer_driver.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tallowen {

class LogoButton;
class PictureButton;
class PictureStore;
class PlayerPanelView;
class frmAbout;
class frmEdit;
class frmVlst;
class frmVyb;
struct SystemColours;

// The setup window: both players, the movement rule, the fields with their "Editor" menu,
// "START", the results, the music button and the logo strip. It owns the popup menus the game
// window shows, and the field editor, the figure selection, the results and the about windows,
// each made when first opened.
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(SetupWindow& model, PictureStore& pictures, PopupActions gameCommands);
    ~Form1() override;

    // After "START" has handed the game over: the game window shows.
    void setOnStart(std::function<void()> onStart) { onStart_ = std::move(onStart); }
    // The music button: shows or hides the music window.
    void setOnMusic(std::function<void()> onMusic) { onMusic_ = std::move(onMusic); }
    // Closing the window ends the program.
    void setOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }
    // The "How to play (F1)" link in the band at the top.
    void setOnHelp(std::function<void()> onHelp) { onHelp_ = std::move(onHelp); }
    // A player's panel changed, the network choices with it: the connection follows them.
    void setOnNetwork(std::function<void()> onNetwork) { onNetwork_ = std::move(onNetwork); }
    // "Join" in player 2's network frame.
    void setOnJoin(std::function<void()> onJoin) { onJoin_ = std::move(onJoin); }

    // The band and the music button in the desktop's colours.
    void applyDesktopColours(const SystemColours& system);
    // Shows the model's state.
    void mirror();
    // Says what the store has to tell (a damaged file set aside, records left out of the results).
    void tellStoreMessages();

    PopupMenus& menus() { return menus_; }
    frmAbout& about();
    frmEdit& editor();
    frmVyb& figureSelection();
    frmVlst& results();

    PlayerPanelView* panel(int player) const { return panels_[static_cast<std::size_t>(player)]; }
    QPushButton* startButton() const { return Command1_; }
    QPushButton* resultsButton() const { return Check2_; }
    QLabel* helpLink() const { return helpLink_; }
    QPushButton* editorButton() const { return Command3_; }
    QListWidget* fieldList() const { return List1_; }
    QMenu* editorMenu() const { return EDI_; }
    LogoButton* logo() const { return Check3_; }
    PictureButton* musicButton() const { return music_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeHeader();
    QWidget* makeFields();
    void makeEditorMenu();
    void openEditorMenu();
    void openFigureSelection(int player);
    void openResults();

    SetupWindow& model_;
    PictureStore& pictures_;
    QtTimerDriver timers_;
    PopupMenus menus_;
    FieldEditor editorModel_;
    ImageSurface band_;
    QWidget* header_ = nullptr;
    LogoButton* Check3_ = nullptr;
    PictureButton* music_ = nullptr;
    std::array<PlayerPanelView*, 2> panels_{};
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QWidget* Frame1_ = nullptr;
    QWidget* Frame3_ = nullptr;
    QListWidget* List1_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Check2_ = nullptr;
    QLabel* helpLink_ = nullptr;
    QMenu* EDI_ = nullptr;
    QAction* EDMAP_ = nullptr;
    QAction* DELMAPcc_ = nullptr;
    frmAbout* about_ = nullptr;
    frmEdit* editor_ = nullptr;
    frmVyb* figureSelection_ = nullptr;
    frmVlst* results_ = nullptr;
    std::function<void()> onStart_;
    std::function<void()> onMusic_;
    std::function<void()> onEnd_;
    std::function<void()> onHelp_;
    std::function<void()> onNetwork_;
    std::function<void()> onJoin_;
};

}  // namespace tallowen
