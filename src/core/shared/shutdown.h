#pragma once

namespace velmora {

class Display;
class Enlace;
class Notice;

// What ending the program asks of the shell.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    // The home screen: the scene when animation is enabled, brought to the front; otherwise
    // the main menu.
    virtual void showHome() = 0;
    // Releases the shared tables and pictures and ends the event loop.
    virtual void end() = 0;
};

// The exit question (interface text 49) and what a yes does.
class Shutdown {
  public:
    Shutdown(Enlace& enlace, Display& display, Notice& notice, ProgramEnd& end)
        : enlace_(enlace), display_(display), notice_(notice), end_(end) {}

    // Closing the main menu or the scene: a yes/no box with an empty title. On yes the display
    // is put back, the stop flag set and the program ended. True when the window may close.
    bool closeHome();

    // Closing TForm1, TForm2, TForm3, TForm8 or TFormCon: the question in the notice dialog. On
    // yes the home screen is shown, then the display put back and the program ended.
    bool closeSection();

  private:
    void endProgram();

    Enlace& enlace_;
    Display& display_;
    Notice& notice_;
    ProgramEnd& end_;
};

}  // namespace velmora
