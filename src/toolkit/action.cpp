#include "toolkit/action.h"

#include <algorithm>

#include "toolkit/image_list.h"

namespace toolkit {

Action::~Action() {
  unlinkAll();
}

void Action::setCaption(std::string_view caption) {
  if (caption == caption_) return;
  caption_ = caption;
  change();
}

void Action::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  change();
}

void Action::setHint(std::string_view hint) {
  if (hint == hint_) return;
  hint_ = hint;
  change();
}

void Action::setVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  change();
}

void Action::setImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  change();
}

void Action::setActionList(ActionList* list) {
  if (list == actionList_) return;
  if (actionList_) {
    std::erase(actionList_->actions_, this);
    removeFreeNotification(*actionList_);
  }
  actionList_ = list;
  if (list) {
    freeNotification(*list);
    list->actions_.push_back(this);
  }
  change();
}

bool Action::execute() {
  if (!enabled_ || !onExecute) return false;
  onExecute(*this);
  return true;
}

void Action::change() {
  // While the action is read from a description its controls link to it with their own stored
  // values and no handler runs.
  if (loading()) return;
  // A copy: a control told of the change may unlink itself or others.
  const auto clients = clients_;
  for (const Client& client : clients) {
    const bool stillLinked = std::any_of(clients_.begin(), clients_.end(),
                                         [&](const Client& c) { return c.control == client.control; });
    if (stillLinked) client.changed(*client.control, *this, false);
  }
  if (onChange) onChange(*this);
}

void Action::removed(Component& gone) {
  if (&gone == actionList_) actionList_ = nullptr;
  std::erase_if(clients_, [&gone](const Client& client) { return client.component == &gone; });
}

std::vector<GraphicControl*> Action::clients() const {
  std::vector<GraphicControl*> controls;
  controls.reserve(clients_.size());
  for (const Client& client : clients_) controls.push_back(client.control);
  return controls;
}

void Action::link(const Client& client) {
  clients_.push_back(client);
}

void Action::unlink(const GraphicControl* control) {
  std::erase_if(clients_, [control](const Client& client) { return client.control == control; });
}

ActionList::~ActionList() {
  unlinkAll();
}

void ActionList::setImages(ImageList* images) {
  if (images == images_) return;
  if (images_) removeFreeNotification(*images_);
  images_ = images;
  if (images) freeNotification(*images);
  const auto actions = actions_;  // a copy: an action's controls may take actions out of the list
  for (Action* action : actions) {
    if (std::find(actions_.begin(), actions_.end(), action) != actions_.end()) action->change();
  }
}

void ActionList::removed(Component& gone) {
  if (&gone == images_) images_ = nullptr;
  std::erase_if(actions_, [&gone](const Action* action) { return action == &gone; });
}

}  // namespace toolkit
