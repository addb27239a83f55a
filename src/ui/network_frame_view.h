#pragma once

#include <QGroupBox>

#include "setup/setup_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedLayout;

namespace tallowen {

// The "Network" frame of player 2's panel: "Host" shows this computer's addresses, the port, the
// code and the player 2 time the host gives; "Join" takes the joiner's name, the host's address and
// the code. A line below says where the connection stands. Input goes to the setup window's model;
// starting and ending the connection is for whoever listens to `changed` and `joinClicked`.
class NetworkFrameView : public QGroupBox {
    Q_OBJECT
public:
    NetworkFrameView(SetupWindow& model, QWidget* parent);

    void mirror();

    QRadioButton* host() const { return host_; }
    QRadioButton* join() const { return join_; }
    QLabel* addresses() const { return addresses_; }
    QLabel* port() const { return port_; }
    QLabel* code() const { return code_; }
    QComboBox* time() const { return time_; }
    QLineEdit* name() const { return name_; }
    QLineEdit* address() const { return address_; }
    QLineEdit* joinCode() const { return joinCode_; }
    QPushButton* joinButton() const { return joinButton_; }
    QLabel* status() const { return status_; }

signals:
    void changed();
    void joinClicked();

private:
    QWidget* makeHostPage();
    QWidget* makeJoinPage();

    SetupWindow& model_;
    QRadioButton* host_;
    QRadioButton* join_;
    QStackedLayout* pages_;
    QWidget* hostPage_;
    QWidget* joinPage_;
    QLabel* addresses_ = nullptr;
    QLabel* port_ = nullptr;
    QLabel* code_ = nullptr;
    QComboBox* time_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* address_ = nullptr;
    QLineEdit* joinCode_ = nullptr;
    QPushButton* joinButton_ = nullptr;
    QLabel* status_;
};

}  // namespace tallowen
