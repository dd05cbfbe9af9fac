#pragma once
/// @file
/// CHyperLink: a static control that opens a web address when clicked.

#include <QLabel>
#include <QUrl>
#include <functional>

namespace vq {

/// Holds a web address, a visited mark and a hover mark. While the pointer
/// is over it the hand cursor shows and the text is drawn in its hover
/// colour; a click opens the address in the desktop's web browser. A
/// successful start marks the link visited; a failure is reported: the plain
/// link says "Unable to follow link", a banner link beeps and shows "Can't
/// open link:" with the out-of-resources text.
class CHyperLink : public QLabel {
  Q_OBJECT

 public:
  /// Opens an address; true when the browser was started.
  using Opener = std::function<bool(const QUrl&)>;
  enum class Failure { kPlain, kBanner };

  CHyperLink(const QString& text, const QUrl& address, Failure failure = Failure::kPlain,
             QWidget* parent = nullptr);

  const QUrl& Address() const { return address_; }
  bool IsVisited() const { return visited_; }
  bool IsHovered() const { return hovered_; }
  /// Replaces the desktop opener (tests).
  void SetOpener(Opener opener) { opener_ = std::move(opener); }
  /// Follows the link as a click does; true when the browser started.
  bool Follow();

  inline static const QString kPlainFailure = QStringLiteral("Unable to follow link");
  inline static const QString kBannerFailure =
      QStringLiteral("Can't open link:\n\nThe operating system is out\nof memory or resources.");

 signals:
  /// The failure text was shown.
  void failed(const QString& text);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Restyle();

  QUrl address_;
  Failure failure_;
  Opener opener_;
  bool visited_ = false;
  bool hovered_ = false;
};

}  // namespace vq
