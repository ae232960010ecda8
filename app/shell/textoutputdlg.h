// The small modeless dialog shown, with the wait cursor, while the text output
// is written: its text, an empty static 1452, OK and "ｷｬﾝｾﾙ" (which only hide it).
#pragma once

#include <QDialog>

class CTextOutputProgressDlg : public QDialog {
public:
    // Without a parent it stands on its own; it shows itself at once.
    explicit CTextOutputProgressDlg(QWidget* pParent = nullptr);
    ~CTextOutputProgressDlg() override;
};
