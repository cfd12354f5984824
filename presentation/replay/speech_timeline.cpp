#include "presentation/replay/speech_timeline.h"

#include <algorithm>
#include <vector>

namespace raketa {

namespace {

// The text as code points' first bytes: a Czech letter is one character.
std::vector<char> Characters(const std::string& utf8) {
  std::vector<char> out;
  for (char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) out.push_back(c);
  }
  return out;
}

}  // namespace

long SpeechTimeline::Duration(std::size_t characters) {
  return static_cast<long>((characters * 1000 + kCharactersPerSecond - 1) / kCharactersPerSecond);
}

void SpeechTimeline::Tell(Event::Kind kind, const Item& item, std::size_t heard) {
  if (tell_) tell_(Event{kind, item.text, heard, item.length});
}

void SpeechTimeline::Start(Item& item, long at) {
  item.start = at;
  item.end = at + Duration(item.length);
  item.heard = item.length;
  Tell(Event::Kind::Started, item, 0);
}

void SpeechTimeline::Finish(Item& item) {
  free_ = item.end;
  if (item.heard >= item.length) {
    ++counts_.whole;
  } else if (item.heard == 0) {
    ++counts_.dropped;
    if (!item.yields) ++counts_.lostWhole;
    Tell(Event::Kind::Dropped, item, 0);
  } else {
    ++counts_.cut;
    if (!item.yields) ++counts_.lostWhole;
    Tell(Event::Kind::Cut, item, item.heard);
  }
}

void SpeechTimeline::Drop(const Item& item) {
  ++counts_.dropped;
  if (!item.yields) ++counts_.lostWhole;
  Tell(Event::Kind::Dropped, item, 0);
}

void SpeechTimeline::Advance(long nowMs) {
  while (!items_.empty()) {
    Item& front = items_.front();
    if (front.start < 0) Start(front, std::max(free_, 0L));
    if (front.end > nowMs) return;
    Finish(front);
    items_.pop_front();
  }
  free_ = std::max(free_, nowMs);
}

void SpeechTimeline::EndWord(long nowMs) {
  if (items_.empty() || items_.front().start < 0 || !items_.front().yields) return;
  Item& f = items_.front();
  const std::vector<char> chars = Characters(f.text);
  std::size_t at = static_cast<std::size_t>((nowMs - f.start) * kCharactersPerSecond / 1000);
  if (at == 0 && nowMs == f.start) {
    f.heard = 0;  // not begun: nothing is heard of it
    f.end = f.start;
    return;
  }
  while (at < chars.size() && chars[at] != ' ') ++at;
  if (at >= f.heard) return;
  f.heard = at;
  f.end = std::max(nowMs, f.start + Duration(at));
}

void SpeechTimeline::Say(long nowMs, const std::string& utf8, bool first, bool yields) {
  Advance(nowMs);
  Item item;
  item.text = utf8;
  item.length = Characters(utf8).size();
  item.first = first;
  item.yields = yields;
  ++counts_.said;
  if (!first) {
    items_.push_back(std::move(item));
  } else {
    EndWord(nowMs);
    auto at = items_.begin();
    if (at != items_.end() && at->start >= 0) ++at;
    while (at != items_.end() && at->first) ++at;
    items_.insert(at, std::move(item));
  }
  if (items_.front().start < 0) Start(items_.front(), nowMs);
  if (items_.front().end <= nowMs) Advance(nowMs);
}

void SpeechTimeline::Yield(long nowMs) {
  Advance(nowMs);
  EndWord(nowMs);
  for (auto it = items_.begin(); it != items_.end();) {
    if (it->start < 0 && it->yields) {
      Drop(*it);
      it = items_.erase(it);
    } else {
      ++it;
    }
  }
  Advance(nowMs);
}

void SpeechTimeline::Interrupt(long nowMs, const std::string& utf8) {
  Advance(nowMs);
  if (!items_.empty() && items_.front().start >= 0) {
    Item& f = items_.front();
    const std::size_t heard = static_cast<std::size_t>((nowMs - f.start) * kCharactersPerSecond / 1000);
    f.heard = std::min(f.heard, heard);
    f.end = nowMs;
    Finish(f);
    items_.pop_front();
  }
  for (const Item& item : items_) Drop(item);
  items_.clear();
  free_ = nowMs;
  Say(nowMs, utf8, false, false);
}

bool SpeechTimeline::Speaking(long nowMs) {
  Advance(nowMs);
  return !items_.empty();
}

bool SpeechTimeline::SpeakingWhole(long nowMs) {
  Advance(nowMs);
  for (const Item& item : items_) {
    if (!item.yields) return true;
  }
  return false;
}

}  // namespace raketa
