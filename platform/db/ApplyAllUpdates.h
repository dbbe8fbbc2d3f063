#pragma once
// A change the database refuses is a failure, not a count to forget: the
// program's writes through a client data set go through here, so that a
// refused row leaves the data set as the database has it and reaches the
// caller as an exception.

class TClientDataSet;

// Applies every change of `dataSet`. When any change was not stored (a
// refusal the reconcile handler skipped, cancelled or refreshed, or a change
// held back with it), the changes still pending are undone and
// EDatabaseError is thrown. A refusal the handler corrected and stored on
// retry is no failure.
void ApplyAllUpdates(TClientDataSet& dataSet);
