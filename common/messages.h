#pragma once
// Message boxes, as one small interface: the program shows Qt boxes, tests script the answers
// and record what was shown.
#include <QString>

#include <deque>
#include <vector>

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) = 0;

  void info(const QString& text, const QString& title, MsgIcon icon = MsgIcon::None) {
    show(text, title, MsgButtons::Ok, icon);
  }
  // A question with Yes and No and the question icon; every answer but No goes on.
  bool ask(const QString& text, const QString& title) {
    return show(text, title, MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::No;
  }
};

// The least width of a box titled `title`: the title in a bold title-bar font and the room of
// the title bar's icon and buttons (kCimSavGombok pixels).
inline constexpr int kCimSavGombok = 150;
int cimSzelesseg(const QString& title);

class QtMessageBoxes : public MessageBoxes {
 public:
  MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;
};

// Records every box; answers from a script, then the default answer.
class RecordedMessageBoxes : public MessageBoxes {
 public:
  struct Shown {
    QString text, title;
    MsgButtons buttons;
    MsgIcon icon;
  };
  MsgAnswer show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override;

  std::vector<Shown> shown;
  std::deque<MsgAnswer> answers;          // consumed one per box shown
  MsgAnswer defaultAnswer = MsgAnswer::Yes;  // Ok for boxes without Yes
};
