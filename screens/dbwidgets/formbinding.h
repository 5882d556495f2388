#pragma once

class DataSource;
class QWidget;

// Binds every data-aware field inside container that names its column in
// the "dataField" property to source.
void bindFields(QWidget *container, DataSource *source);

// Gives every field that has a label as buddy the label's text as its
// accessible name, so screen readers and test drivers find it by caption.
void nameFieldsAfterLabels(QWidget *form);
