#include "app/local_record.h"

#include "app/ansi.h"
#include "platform/error.h"
#include "platform/file_io.h"

void WriteOptionRecord(const QString& path, const QStringList& lines) {
  std::string content;
  for (const QString& line : lines) content += Ansi(line) + "\r\n";
  std::string reason;
  const std::string file = Ansi(path);
  if (!platform::ReplaceFileAtomically(file, content, platform::FileAccess::kOwnerOnly, &reason))
    throw platform::Error("Cannot create file \"" + platform::FullPath(file) + "\". " + reason);
}
