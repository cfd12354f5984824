#include "presentation/web/web_input.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

// Switching full screen is allowed only while the browser handles the key
// or click that asked for it, so it happens here and not in the game's loop.
EM_JS(void, raketa_toggle_full_screen, (), {
  if (Module.raketaToggleFullScreen) Module.raketaToggleFullScreen();
});

EM_JS(int, raketa_game_has_focus, (), {
  return Module.raketaControls.gameHasKeyboard() ? 1 : 0;
});

EM_JS(int, raketa_page_visible, (), {
  return document.visibilityState === "hidden" ? 0 : 1;
});

namespace raketa {

namespace {

WebInput* listening = nullptr;

EM_BOOL OnKeyDown(int, const EmscriptenKeyboardEvent* e, void* user) {
  auto* input = static_cast<WebInput*>(user);
  const KeyMeaning m = ReadKeyDown({e->key, e->code, e->ctrlKey != 0, e->altKey != 0, e->metaKey != 0, e->shiftKey != 0});
  if (m.page == PageKey::ToggleFullScreen) {
    if (!e->repeat) raketa_toggle_full_screen();
    return EM_TRUE;
  }
  // Ctrl+V: the browser's paste event brings the text (see page_hooks.js).
  if (m.page == PageKey::Paste) return EM_FALSE;
  // A key that edits the command line is a game key too: vk covers it.
  if (m.vk != 0 || m.box != BoxKey::Other || !m.typed.empty()) {
    input->Push(PageEvent::Down(m));
  }
  return m.keep ? EM_TRUE : EM_FALSE;
}

// On the text field the characters come from what the field shows typed
// (a phone's keyboard composes them there, and names their keys
// "Unidentified"), so they are left to the field; Tab moves on to the
// page's buttons; the other keys are the game's as on the canvas.
EM_BOOL OnFieldKeyDown(int type, const EmscriptenKeyboardEvent* e, void* user) {
  // 229: the keyboard is composing (an Enter that commits a word is the
  // keyboard's, not the game's).
  if (e->keyCode == 229) return EM_FALSE;
  const KeyMeaning m = ReadKeyDown({e->key, e->code, e->ctrlKey != 0, e->altKey != 0, e->metaKey != 0, e->shiftKey != 0});
  if (!m.typed.empty() || m.page == PageKey::Paste) return EM_FALSE;
  // Tab leaves the field for the buttons (the button "Celý text" is the
  // game's Tab there).
  if (m.box == BoxKey::Tab) return EM_FALSE;
  return OnKeyDown(type, e, user);
}

EM_BOOL OnKeyUp(int, const EmscriptenKeyboardEvent* e, void* user) {
  const int vk = VirtualKeyOf(e->key, e->code);
  if (vk != 0) static_cast<WebInput*>(user)->Push(PageEvent::Up(vk));
  return EM_FALSE;
}

EM_BOOL OnVisibility(int, const EmscriptenVisibilityChangeEvent* e, void* user) {
  static_cast<WebInput*>(user)->Push(PageEvent::Shown(e->hidden == 0));
  return EM_FALSE;
}

}  // namespace

// Called by the page's paste listener with the clipboard's text.
extern "C" EMSCRIPTEN_KEEPALIVE void raketa_web_paste(const char* utf8) {
  if (listening != nullptr) listening->Push(PageEvent::Pasted(utf8));
}

// The game gained or lost the keyboard (page_controls.js).
extern "C" EMSCRIPTEN_KEEPALIVE void raketa_web_focus(int on) {
  if (listening != nullptr) listening->Push(PageEvent::Focused(on != 0));
}

// One of the page's buttons for a key a phone lacks ("Escape", "Tab",
// "ArrowUp", "F3" ...): pressed and let go, as that key would be.
extern "C" EMSCRIPTEN_KEEPALIVE void raketa_web_key(const char* key) {
  if (listening == nullptr) return;
  const KeyMeaning m = ReadKeyDown({key, ""});
  if (m.vk == 0 && m.box == BoxKey::Other) return;
  listening->Push(PageEvent::Down(m));
  if (m.vk != 0) listening->Push(PageEvent::Up(m.vk));
}

// The text field's edit: characters `at` to `at + removed` of what it
// showed replaced by `utf8` (page_controls.js).
extern "C" EMSCRIPTEN_KEEPALIVE void raketa_web_field_edit(int at, int removed, const char* utf8) {
  if (listening == nullptr || at < 0 || removed < 0) return;
  listening->Push(PageEvent::Edited({static_cast<std::size_t>(at), static_cast<std::size_t>(removed), utf8}));
}

// Called by the page when it put a saved game into the save folder.
extern "C" EMSCRIPTEN_KEEPALIVE void raketa_web_saves_changed() {
  if (listening != nullptr) listening->Push(PageEvent::SavesNews());
}

WebInput::WebInput(const char* canvas, const char* field) {
  listening = this;
  emscripten_set_keydown_callback(canvas, this, EM_TRUE, OnKeyDown);
  emscripten_set_keyup_callback(canvas, this, EM_TRUE, OnKeyUp);
  emscripten_set_keydown_callback(field, this, EM_TRUE, OnFieldKeyDown);
  emscripten_set_keyup_callback(field, this, EM_TRUE, OnKeyUp);
  emscripten_set_visibilitychange_callback(this, EM_TRUE, OnVisibility);
}

WebInput::~WebInput() {
  emscripten_html5_remove_all_event_listeners();
  listening = nullptr;
}

std::optional<PageEvent> WebInput::Next() {
  if (queue_.empty()) return std::nullopt;
  PageEvent e = std::move(queue_.front());
  queue_.pop_front();
  return e;
}

bool WebInput::GameHasFocus() { return raketa_game_has_focus() != 0; }
bool WebInput::PageVisible() { return raketa_page_visible() != 0; }

}  // namespace raketa
