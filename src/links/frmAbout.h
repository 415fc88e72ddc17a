#pragma once

#include <QDialog>

namespace orbika {

class Platform;

// The About box: name, version, a short description and two links. Modal, owned by nobody.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);
};

} // namespace orbika
