#pragma once
// The Save dialog of every file the window writes.

#include <QString>

class QWidget;

namespace vq {

/// A Save dialog starting at `start`. A name typed without an extension gets
/// `suffix` before the dialog asks whether to replace an existing file, so
/// the question names the file that is then written. Empty when cancelled.
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& start,
                        const QString& filter, const QString& suffix);

}  // namespace vq
