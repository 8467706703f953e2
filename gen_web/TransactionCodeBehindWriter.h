#pragma once

#include "gen_web/AspxWriter.h"
#include "gen_web/CodeBehindFragments.h"

#include <vector>

class AspxFile;
class FieldRep;
class Table;
class Transaction;

// "<page>Add.aspx.cs" and "<page>Update.aspx.cs" of a master-detail page, each followed by its
// designer file: the page class that saves the master record with the rows of its detail grids
// and describes the grids as XML. <page> is the page name as its page files are named (trimmed,
// blanks made "_"). A page without a keyed master table, or with a detail table without key or
// foreign key to the master table, is listed as skipped.
class TransactionCodeBehindWriter : public AspxWriter
{
public:
    TransactionCodeBehindWriter(ForgeonProject* project, Transaction& transaction,
                                GenerationReport& report);

    void Write();

    // The reason the page cannot be written; empty when it can.
    static CString FindSkipReason(const Transaction& transaction);

private:
    void WriteAddPage();
    void WriteUpdatePage();

    void WriteClassHead();
    void WritePreInit(int indent);
    void WriteDataObjects(int indent);
    void WriteValueMembers(int indent);
    void WriteAddPageLoad(int indent);
    void WriteUpdatePageLoad(int indent);

    void WriteHandleAdd(int indent);
    void WriteAddDetails(const Table& table, int indent);
    void WriteHandleUpdate(int indent);
    void WriteSaveRefusals(int indent, bool update);
    void WriteTooManyRowsRefusal(int indent, const char* basicId, bool adds);
    // A post whose rows skip a number, or name one twice, is refused before anything is saved:
    // each posted row is stored once.
    void WriteRowNumberingRefusal(int indent);
    // rowKeysOfferedFor<T>(): false when a grid row to be saved holds a combo value that the
    // page does not offer; not written when no combo of the table's rows takes its values from a
    // table's key.
    void WriteRowKeysOffered(const Table& table, int indent);
    static CString RowKeysOfferedMethod(const Table& table);
    // The table's combos whose values its grid rows post and take their values from a table's
    // key: no hidden one, whose value is not read on the Add page and is the stored one on the
    // Update page.
    std::vector<FieldRep*> RowKeyCombos(const Table& table) const;
    void WriteUpdateDetails(const Table& table, int indent);
    void WriteHandleDelete(int indent);
    void WriteDeleteDetails(const Table& table, int indent);
    // "void name()" with the opening of its try block.
    void WriteHandlerHead(int indent, const char* name);
    // The walk over the posted rows "inp" + n until the first absent one, at most the rows that
    // the grid of the record "basicId" holds: the loop's opening, and after the row's values the
    // test that stops it.
    void WriteRowWalkHead(const Table& table, int indent);
    // The detail table's name, its key's name when withKey, and the name of its link to the
    // master, as C# string arguments.
    CString DetailTableArguments(const Table& table, bool withKey) const;
    void WriteRowWalkEnd(int indent);
    // The row's request values under the table's grid row names: rowNo, with withId detailId,
    // and with withDelete isDelete.
    void WriteRowParams(const Table& table, int indent, bool withId, bool withDelete);
    // The Pre hook, the action and the Post hook of a detail row, or the save's refusal.
    void WriteDetailCall(const CString& dataObject, const char* action, const char* message,
                         int indent);
    // The statement that ends the whole save with the message.
    void WriteSaveRefusal(const char* message, int indent);
    // The same for the posted row detailId, refused with the message unless the stored row's
    // link field holds the master key basicId.
    void WriteOwnedDetailCall(const Table& table, const char* action, const char* message,
                              int indent);
    // The generated test that the stored row detailId of the table belongs to basicId, which
    // locks the row for the save.
    CString DetailOwnedTest(const Table& table) const;
    // The posted values of the table's controls and the "values" array handed to SetValues.
    void WriteValuesArray(const Table& table, int indent, bool update);
    // The statement that locks the master record "id" for the handler's save: a save of the
    // record's rows waits for another one, whose rows it then counts.
    CString MasterLockString() const;
    // The master key from the request, or from its hidden control on an upload page.
    void WriteRequestKey(const char* local, int indent);
    // The handler's answer: a redirect on an upload page, else the grids and the message as XML.
    void WriteReply(int indent);
    // The answer after the save: on an upload page a refused save (a message) is shown on the
    // page with the values and rows as posted (showRefusedUpdate), a saved one answered as any.
    void WriteSaveReply(int indent);
    // On an upload page, showRefusedUpdate() and the answer to a request over the site's limit,
    // which returns to the page (its file name after the page's name) of the record key.
    void WriteUploadReplies(const char* page, const CString& key);
    // The catch blocks with the refusal's (refusesRows) and the server's message, answered like
    // the try block, or with showsRefusal shown on the page. savesUploads: the handler
    // saves uploaded files, removed when its record is not saved.
    void WriteCatch(int indent, bool savesUploads, bool refusesRows, bool showsRefusal);
    void WriteCatchBlock(int indent, const char* exception, const char* message, bool showsRefusal);
    // fillPostedGridFor<T>(): the table's grid rows as the page posted them, for the page that
    // shows a refused save, each row through the row method of the stored rows, every value as
    // typed.
    void WritePostedGrid(const Table& table, int indent);

    void WriteHandleRecompute(int indent);
    void WriteRecomputeMethods(int indent);
    // The refill methods that the recompute answers call.
    void WriteRecomputeFillMethods(int indent);
    bool RefillsDateControl() const;
    void WriteGridServer(int indent);
    // The table's grid written into its container, the member <T>Div.
    void WriteGridRendering(const Table& table, int indent);
    // A master combo's recompute fills a control of the table from a data call.
    bool IsRefilledByMasterCombo(const Table& table) const;
    void WriteClassTail();
    void WriteDesignerFile(const char* mode);
    void Save(const char* mode);

    std::vector<FieldRep*> ControlsOf(const Table& table) const;
    bool IsUploadPage() const;
    bool IsUpdatePage() const;

    Transaction& m_transaction;
    AspxFile* m_pageFile = nullptr;
    int m_pageTemplate;
    CString m_baseName;
    CString m_dataObject;
    CString m_key;
    // The key's control id and member name.
    CString m_keyId;
    CodeBehindFragments m_fragments;
};
