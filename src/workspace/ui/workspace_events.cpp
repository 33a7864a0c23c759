#include "workspace/ui/workspace_events.h"

namespace quarrix {

void WorkspaceEvents::AddTaker(QObject* owner, Taker taker) {
  takers_.emplace_back(owner, std::move(taker));
}

bool WorkspaceEvents::Offer(const PositionNotice& notice) {
  std::erase_if(takers_, [](const auto& entry) { return entry.first.isNull(); });
  for (const auto& [owner, taker] : takers_)
    if (taker(notice)) return true;
  return false;
}

}  // namespace quarrix
