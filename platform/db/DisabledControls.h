#pragma once
// The controls of a data set kept still for one piece of work:
//
//     DisabledControls still(*dataSet);
//     ... move through the records ...
//
// DisableControls on construction, EnableControls on destruction, whatever
// ended the work (an exception, an early return), so the controls never stay
// frozen.

class TDataSet;

class DisabledControls {
public:
    explicit DisabledControls(TDataSet& dataSet);
    ~DisabledControls();
    DisabledControls(const DisabledControls&) = delete;
    DisabledControls& operator=(const DisabledControls&) = delete;

private:
    TDataSet& m_dataSet;
};
