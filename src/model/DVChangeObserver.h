#pragma once

class CDVData;

// Told before a project object changes, so that a recording of the change can keep what it was.
class DVChangeObserver {
public:
    virtual void BeforeChange(CDVData& object) = 0;

protected:
    ~DVChangeObserver() = default;
};
