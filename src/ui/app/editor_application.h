#pragma once
/// @file
/// Start-up and exit of the editor.

#include <QString>
#include <QStringList>
#include <memory>

#include "ui/app/editor_config.h"
#include "ui/app/message_prompter.h"
#include "ui/app/recent_files.h"

namespace vq {

class CMainFrame;
class CVQChannelEditorDoc;
class ProfileStore;

/// The application object: owns the EditorConfig for the whole run, the
/// profile it comes from, the recent-file list, the document and the main
/// window. Start and Exit run the steps in their fixed order.
class EditorApplication {
 public:
  EditorApplication();
  ~EditorApplication();
  EditorApplication(const EditorApplication&) = delete;
  EditorApplication& operator=(const EditorApplication&) = delete;

  /// Reads the profile (the command line may name it), loads the
  /// configuration and recent files, creates the document and the window,
  /// opens the file named on the command line (or a new document) and shows
  /// the window. False when the arguments or the file cannot be used; the
  /// program then exits.
  bool Start(const QStringList& arguments);
  /// Stores the configuration, recent files and window placement.
  void Exit();

  EditorConfig& Config() { return config_; }
  RecentFiles& Recent() { return recent_; }
  CVQChannelEditorDoc* Document() const { return document_.get(); }
  CMainFrame* Frame() const { return frame_.get(); }
  ProfileStore* Profile() const { return profile_.get(); }

 private:
  EditorConfig config_;
  RecentFiles recent_{9};
  MessagePrompter prompter_;
  std::unique_ptr<ProfileStore> profile_;
  std::unique_ptr<CVQChannelEditorDoc> document_;
  std::unique_ptr<CMainFrame> frame_;
  bool exited_ = false;
};

}  // namespace vq
