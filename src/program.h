#pragma once
#include "extras/frm_about.h"
#include "extras/frm_slide_show.h"
#include "launcher/frm_main.h"
#include "palette/frm_smilies.h"
#include "shared/auto_start.h"
#include "shared/code_page.h"
#include "shared/file_system.h"
#include "shared/options.h"
#include "shared/settings_store.h"
#include "shared/toolkit.h"
#include "shared/window_system.h"
#include "shared/working_window.h"

struct Ports {
    WindowSystem& windows;
    SettingsStore& store;
    Toolkit& toolkit;
    FileSystem& files;
    CodePage& codePage;
    AutoStart& autoStart;
};

// The whole program: its options and its four forms. Starting it loads the launcher.
class Program {
  public:
    explicit Program(const Ports& ports);

    // Loads the launcher; a second start in the same session only calls up the first one.
    void Start();
    // Hands one event from the platform to the form it belongs to.
    void Dispatch(FormId form, const FormEvent& event);
    Form& FormOf(FormId form);

    Ports ports;
    OptionsRecord Options;
    FrmMain frmMain;
    FrmSmilies frmSmilies;
    FrmAbout frmAbout;
    FrmSlideShow frmSlideShow;
    // Keys typed into the palette's text box since the last check; kept for the whole run.
    std::int16_t KeyCount = 0;
    WorkingWindow workingWindow;
};
