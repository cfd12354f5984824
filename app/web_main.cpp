// Program entry of the web page: the game's data embedded under /data, the
// player's saves in /saves (kept in the browser's IndexedDB by the page),
// the dialogs' last folder and the speech setting beside them in folders
// the dialogs do not list.
#include <cstdlib>

#include "app/game_runner.h"
#include "presentation/web/web_backend.h"
#include "services/game_folders.h"

int main() {
  raketa::SetGameFolders(raketa::GameFolders{.data = "/data", .saves = "/saves", .state = "/saves/.stav"});
  // The speech setting lives under $XDG_CONFIG_HOME, as on the desktop.
  setenv("XDG_CONFIG_HOME", "/saves/.nastaveni", 1);
  return raketa::RunWeb(raketa::WebOptions{.game = raketa::MakeGame});
}
