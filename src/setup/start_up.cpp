#include "setup/start_up.h"

namespace tallowen {

namespace {

void run(const std::function<void()>& hook) {
    if (hook) hook();
}

}  // namespace

std::vector<StartUpStep> startUpSteps(SetupWindow& setup, StartUpHooks hooks) {
    return {
        {"Loading...", [&setup] { setup.game().random.reseedFromTimeOfDay(); }},
        {"Loading music...",
         [&setup, music = hooks.music] {
             run(music);
             setup.Combo1_Click(0, 0);
             setup.Combo1_Click(1, 0);
             setup.NastavNazvy();
         }},
        {"Loading fields...", [&setup] { setup.fieldsReloaded(setup.library.NajitMapy()); }},
        {"Loading results...",
         [&setup] {
             PruzkHer(setup.store(), setup.statistics);
             setup.List1_Click(0);
             setup.Option1_Click();
             for (int i = 0; i < 2; ++i) {
                 setup.figur(i);
                 setup.frmVyb.Command1_Click();
             }
             setup.Option19_Click(0);
             setup.Option19_Click(1);
         }},
        {"Loading graphics...", [graphics = hooks.graphics] { run(graphics); }},
        {"Loading windows...",
         [&setup, windows = hooks.windows] {
             run(windows);
             setup.Timer2.setEnabled(true);
             setup.Visible = true;
         }},
    };
}

}  // namespace tallowen
