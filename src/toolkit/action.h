#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/events.h"

namespace toolkit {

class ActionList;
class GraphicControl;
class ImageList;

// A command that controls link to: they take its caption, enabled state, hint and visibility,
// follow its changes, and their click executes it. Every action of this toolkit carries all of
// these, with an image index into its action list's image list.
class Action : public Component {
 public:
  explicit Action(Component* owner) : Component(owner) {}
  ~Action() override;

  // Each setter that changes a value tells every linked control and raises onChange.
  const std::string& caption() const { return caption_; }
  void setCaption(std::string_view caption);
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  const std::string& hint() const { return hint_; }
  void setHint(std::string_view hint);
  bool visible() const { return visible_; }
  void setVisible(bool on);
  // -1 for none.
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int index);

  // The list the action belongs to, if any; either may go first.
  ActionList* actionList() const { return actionList_; }
  void setActionList(ActionList* list);

  // Raised with the action as sender by execute().
  NotifyEvent onExecute;
  // Raised with the action as sender after the linked controls have been told of a change.
  NotifyEvent onChange;
  // Runs onExecute; false, and nothing runs, while disabled or without a handler.
  bool execute();
  // Tells the linked controls and onChange that the action changed.
  void change();

  // The linked controls, in the order they linked.
  std::vector<GraphicControl*> clients() const;

 protected:
  void removed(Component& gone) override;

 private:
  friend class GraphicControl;
  friend class ActionList;

  // What the action needs of a linked control: the control, the same object as the component
  // that tells of its going, and how to tell it of a change. The control fills it in when it
  // links, so that this class needs nothing of the control's.
  struct Client {
    GraphicControl* control;  // not owned
    const Component* component;
    void (*changed)(GraphicControl& control, Action& action, bool checkDefaults);
  };
  void link(const Client& client);
  void unlink(const GraphicControl* control);

  std::string caption_;
  bool enabled_ = true;
  std::string hint_;
  bool visible_ = true;
  int imageIndex_ = -1;
  ActionList* actionList_ = nullptr;  // not owned: the list that has this action, if any
  std::vector<Client> clients_;
};

// A set of actions sharing one image list.
class ActionList : public Component {
 public:
  explicit ActionList(Component* owner) : Component(owner) {}
  ~ActionList() override;

  // Either may go first. Changing the image list changes every action of the list.
  ImageList* images() const { return images_; }
  void setImages(ImageList* images);
  // The actions that belong to this list, in the order they joined it.
  const std::vector<Action*>& actions() const { return actions_; }

 protected:
  void removed(Component& gone) override;

 private:
  friend class Action;
  ImageList* images_ = nullptr;   // not owned: its owner has it; it unlinks itself when it goes
  std::vector<Action*> actions_;  // not owned
};

}  // namespace toolkit
