#pragma once

class QAbstractItemView;

// The program's lists: rows alternately grey and white, the first grey; the selected row stays
// marked while another control has the focus.
void UseListRowColours(QAbstractItemView& list);
