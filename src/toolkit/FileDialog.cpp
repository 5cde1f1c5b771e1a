#include "toolkit/FileDialog.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace numislot::toolkit {

QString qtNameFilter(QStringView filter)
{
    const qsizetype bar = filter.indexOf(u'|');
    if (bar < 0)
        return filter.toString();
    return filter.left(bar).toString() + u" ("_s + filter.mid(bar + 1).toString() + u')';
}

FileDialog::FileDialog(FileDialogMode mode, QStringView filter, QStringView defaultExtension)
{
    m_request.mode = mode;
    m_request.filter = qtNameFilter(filter);
    m_request.defaultSuffix = defaultExtension.toString();
}

bool FileDialog::execute(Services& services, QWidget* parent)
{
    m_request.fileName = m_fileName;
    const std::optional<QString> chosen = services.runFileDialog(parent, m_request);
    if (!chosen)
        return false;
    QString name = *chosen;
    // Qt's dialog adds the suffix itself; a name typed without one through another dialog gets it here.
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty() && !m_request.defaultSuffix.isEmpty()
        && !QFileInfo(name).isDir())
        name += u'.' + m_request.defaultSuffix;
    m_fileName = name;
    return true;
}

} // namespace numislot::toolkit
