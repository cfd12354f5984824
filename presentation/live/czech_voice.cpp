// espeak-ng is opened with dlopen, so that the game starts and plays even
// where the library is missing; its headers give the function types.
#include "presentation/live/czech_voice.h"

#include <dlfcn.h>
#include <espeak-ng/espeak_ng.h>

#include <mutex>

namespace raketa {

namespace {

// The library's entry points, found once per process.
struct Espeak {
  decltype(&espeak_ng_InitializePath) initializePath = nullptr;
  decltype(&espeak_ng_Initialize) initialize = nullptr;
  decltype(&espeak_ng_InitializeOutput) initializeOutput = nullptr;
  decltype(&espeak_ng_GetSampleRate) sampleRate = nullptr;
  decltype(&espeak_ng_SetVoiceByName) setVoice = nullptr;
  decltype(&espeak_ng_Synthesize) synthesize = nullptr;
  decltype(&espeak_SetSynthCallback) setCallback = nullptr;
  bool initialised = false;
  std::string voice;  // the voice set last
};

std::mutex gEspeakLock;  // the library keeps one state per process

template <typename F>
bool Find(void* handle, const char* name, F& into) {
  into = reinterpret_cast<F>(dlsym(handle, name));
  return into != nullptr;
}

// What one synthesis collects; the callback finds it through the events.
struct Collector {
  std::vector<std::int16_t>* samples;
  const std::function<bool()>* goOn;
  std::vector<long>* wordStartsMs;
};

// Called by the library, through C frames: nothing may be thrown out of it
// (a full memory or a failing `goOn` stops the text instead).
int Collect(short* wav, int count, espeak_EVENT* events) noexcept {
  try {
    Collector* c = events != nullptr ? static_cast<Collector*>(events->user_data) : nullptr;
    if (c == nullptr) return 0;
    if (wav != nullptr && count > 0) c->samples->insert(c->samples->end(), wav, wav + count);
    for (espeak_EVENT* e = events; c->wordStartsMs != nullptr && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
      // The first word starts the text; the others are where a word ends.
      if (e->type == espeakEVENT_WORD && e->audio_position > 0) c->wordStartsMs->push_back(e->audio_position);
    }
    if (*c->goOn && !(*c->goOn)()) return 1;  // cut short
    return 0;
  } catch (...) {
    return 1;
  }
}

std::string Message(espeak_ng_STATUS status) { return "status " + std::to_string(static_cast<long>(status)); }

// The library, opened on first use and kept for the rest of the run.
Espeak* OpenEspeak(const std::string& library, std::string& problem) {
  static std::string openedFrom;
  static Espeak espeak;
  if (!openedFrom.empty() && openedFrom == library) return &espeak;
  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* why = dlerror();
    problem = "cannot load " + library + (why ? std::string(" (") + why + ")" : "") + "; install libespeak-ng1";
    return nullptr;
  }
  Espeak e;
  const bool all = Find(handle, "espeak_ng_InitializePath", e.initializePath) &&
                   Find(handle, "espeak_ng_Initialize", e.initialize) &&
                   Find(handle, "espeak_ng_InitializeOutput", e.initializeOutput) &&
                   Find(handle, "espeak_ng_GetSampleRate", e.sampleRate) &&
                   Find(handle, "espeak_ng_SetVoiceByName", e.setVoice) &&
                   Find(handle, "espeak_ng_Synthesize", e.synthesize) &&
                   Find(handle, "espeak_SetSynthCallback", e.setCallback);
  if (!all) {
    problem = library + " is not a usable espeak-ng library";
    dlclose(handle);
    return nullptr;
  }
  espeak = e;
  openedFrom = library;
  return &espeak;
}

}  // namespace

CzechVoice::CzechVoice(const std::string& library, const std::string& voice) : library_(library), voice_(voice) {
  std::lock_guard<std::mutex> lock(gEspeakLock);
  Espeak* e = OpenEspeak(library, problem_);
  if (e == nullptr) return;
  if (!e->initialised) {
    e->initializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = e->initialize(&context);
    if (status != ENS_OK) {
      problem_ = "espeak-ng cannot start (" + Message(status) + "); install espeak-ng-data";
      return;
    }
    status = e->initializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (status != ENS_OK) {
      problem_ = "espeak-ng cannot make sound samples (" + Message(status) + ")";
      return;
    }
    e->setCallback(&Collect);
    e->initialised = true;
  }
  if (e->setVoice(voice.c_str()) != ENS_OK) {
    problem_ = "espeak-ng has no voice \"" + voice + "\"; install espeak-ng-data";
    e->voice.clear();
    return;
  }
  e->voice = voice;
  rate_ = e->sampleRate();
}

std::vector<std::int16_t> CzechVoice::Synthesise(const std::string& utf8, const std::function<bool()>& goOn,
                                                 std::vector<long>* wordStartsMs) {
  std::vector<std::int16_t> samples;
  if (!Ready() || utf8.empty()) return samples;
  std::lock_guard<std::mutex> lock(gEspeakLock);
  std::string problem;
  Espeak* e = OpenEspeak(library_, problem);
  if (e == nullptr || !e->initialised) return samples;
  if (e->voice != voice_) {
    if (e->setVoice(voice_.c_str()) != ENS_OK) return samples;
    e->voice = voice_;
  }
  Collector collector{&samples, &goOn, wordStartsMs};
  e->synthesize(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8 | espeakENDPAUSE, nullptr,
                &collector);
  return samples;
}

}  // namespace raketa
