// Program entry of the web page: the game's data embedded under /data, the
// player's saves in /saves (kept in the browser's IndexedDB by the page),
// the dialogs' last folder and the speech setting beside them in folders
// the dialogs do not list.
#include "app/form_runner.h"
#include "presentation/web/web_backend.h"
#include "services/game_folders.h"

int main() {
  return raketa::RunWeb(raketa::WebOptions{
      .game = raketa::MakeGame,
      .folders = raketa::GameFolders{
          .data = "/data", .saves = "/saves", .state = "/saves/.stav", .config = "/saves/.nastaveni/raketa"}});
}
