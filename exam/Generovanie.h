#pragma once

#include <QList>
#include <QString>

namespace saldovia {

class Store;

// The statements that turn a connected copy of an agenda into an exam file. The menu item
// "Vygenerovať skúšku" runs them around its parameters dialog; the build runs them to make
// the exam file of the demo agenda. None of them opens a transaction of its own: the caller
// runs them inside one.
namespace skuska {

// The sample journal: every journal row with all its columns and Vypocty = 0.
void ulozitVzorDennika(Store& store);

// The exam's parameters: its duration and an empty user name in the settings row (an exam
// file starts unstarted, so the start, time left and end are emptied too); the amounts of
// the given journal rows set to zero and their sample rows marked Vypocty = 1, and then
// zakrytVypocty. The exam's record (Pecat.h) tells an exam from a practice file and starts
// without checks, reopening or seal.
void zapisatParametre(Store& store, const QString& dlzka, const QList<qint64>& vypocty,
                      bool cvicenie = false);

// Makes the connected exam file hide every answer of its computation rows (Vypocty = 1 in
// the sample, their amounts already zeroed in the journal): what derives from a zeroed amount
// goes with it. The VAT posting of a document line whose base is computed derives from that
// base: it is zeroed and becomes a computation row itself. The price of every document line
// touching a computation row is recomputed from its two postings, and the totals of its
// document from its lines, as the document editor computes them. The scratch tables of the
// document editors are emptied.
void zakrytVypocty(Store& store);

// The journal without its account assignments.
void vymazatPredkontacie(Store& store);

} // namespace skuska

} // namespace saldovia
