// A voice as the replay hears it: every sentence takes its reading time, at
// about 14 characters a second as the Czech voice reads, so that a trace
// shows what a listener would hear, what was cut short and what was never
// heard.  Pure arithmetic on a given clock: the same on every machine.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>

namespace raketa {

class SpeechTimeline {
 public:
  static constexpr long kCharactersPerSecond = 14;

  struct Event {
    enum class Kind { Started, Cut, Dropped } kind;
    std::string text;
    std::size_t heard = 0;   // characters heard, for a cut
    std::size_t length = 0;  // characters in all
  };
  struct Counts {
    long said = 0;     // handed over
    long whole = 0;    // heard to the end
    long cut = 0;      // heard in part
    long dropped = 0;  // never heard
    long lostWhole = 0;  // of those cut or dropped, ones meant to be said whole
  };

  explicit SpeechTimeline(std::function<void(const Event&)> tell = {}) : tell_(std::move(tell)) {}

  // Lets the clock run to `nowMs`: sentences start and end.
  void Advance(long nowMs);
  void Say(long nowMs, const std::string& utf8, bool first, bool yields);
  void Yield(long nowMs);
  void Interrupt(long nowMs, const std::string& utf8);
  bool Speaking(long nowMs);
  // Whether something that is said whole (not a room text) sounds or waits.
  bool SpeakingWhole(long nowMs);
  const Counts& counts() const { return counts_; }

  // Milliseconds a voice takes for `characters` characters.
  static long Duration(std::size_t characters);

 private:
  struct Item {
    std::string text;
    std::size_t length = 0;  // code points
    bool first = false;
    bool yields = false;
    long start = -1;  // -1 until it sounds
    long end = 0;
    std::size_t heard = 0;  // where it ends
  };
  void Start(Item& item, long at);
  // Ends the item being said at the end of the word heard at `nowMs`.
  void EndWord(long nowMs);
  void Finish(Item& item);
  void Drop(const Item& item);
  void Tell(Event::Kind kind, const Item& item, std::size_t heard);

  std::function<void(const Event&)> tell_;
  std::deque<Item> items_;  // the front one sounds once started
  long free_ = 0;           // when the voice last fell silent
  Counts counts_;
};

}  // namespace raketa
