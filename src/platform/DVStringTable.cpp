#include "platform/DVStringTable.h"

#include <QHash>

namespace {

struct Entry {
    int id;
    const char16_t* text;
};

// clang-format off
const Entry kStrings[] = {
    {401, u"Linkage"},
    {402, u"ID"},
    {403, u"Description"},
    {404, u"Approved"},
    {405, u"Verified"},
    {407, u"Title"},
    {408, u"Requirement Type"},
    {409, u"Approval Description"},
    {410, u"Verification Description"},
    {411, u"Version"},
    {412, u"Comment"},
    {414, u"Parameters of Actor"},
    {415, u"Step-Number"},
    {424, u"<Not defined>"},
    {432, u"Use Cases(ID)"},
    {433, u"Derived From Use-Cases(ID)"},
    {434, u"Derived From Requirements(ID)"},
    {435, u"Requirements(ID)"},
    {436, u"Last Modified"},
    {437, u"Approved"},
    {438, u"Verified"},
    {439, u"Approval Description"},
    {440, u"Verification Description"},
    {441, u"Last Approval Time"},
    {442, u"Last Verification Time"},
    {443, u"Last Approval Version"},
    {444, u"Last Verification Version"},
    {448, u"Dovalintra Projects (*.dvx)|*.dvx||"},
    {449, u"Comma-Separated Values Data (*.csv)|*.csv||"},
    {450, u"Extensible Markup Language Data (Excel compatible) (*.xml)|*.xml||"},
    {465, u"Requirement"},
    {466, u"Actor"},
    {467, u"Use Case"},
    {468, u"Use-Case Step"},
    {473, u"Implemented"},
    {474, u"Implementation Description"},
    {475, u"Last Implementation Time"},
    {476, u"Last Implementation Version"},
    {477, u"Validated"},
    {478, u"Validation Description"},
    {479, u"Last Validation Time"},
    {480, u"Last Validation Version"},
    {481, u"Approval Duration"},
    {482, u"Approval Cost"},
    {483, u"Implementation Duration"},
    {484, u"Implementation Cost"},
    {485, u"Verification Duration"},
    {486, u"Verification Cost"},
    {487, u"Validation Duration"},
    {488, u"Validation Cost"},
    {491, u"Time Requirement"},
    {492, u"Input Value-Requirements"},
    {493, u"Actor"},
    {494, u"Acts on"},
    {495, u"Output Values"},
    {496, u"Step-Requirements(ID)"},
    {497, u"Calling Functions"},
    {499, u"Parameter"},
    {500, u"Functions"},
    {501, u"Requirements(ID)"},
    {502, u"Derived From Requirements(ID)"},
    {503, u"Functions of Actor"},
    {505, u"Embedded Document"},
    {507, u"Functional"},
    {508, u"Constraint"},
    {509, u"Quality"},
    {510, u"Folder"},
    {511, u"And"},
    {512, u"Or"},
    {513, u"Ignore"},
    {514, u"No"},
    {515, u"Yes"},
    {516, u"Never approved so far."},
    {517, u"Version"},
    {518, u"Never verified so far."},
    {519, u"Not implemented yet."},
    {520, u"Never validated so far."},
    {521, u"If-statement"},
    {522, u"Endif"},
    {523, u"Else"},
    {524, u"Else IF"},
    {525, u"Fork Node"},
    {526, u"Join Node"},
    {527, u"Fork Thread"},
    {528, u"Split in two Threads"},
    {529, u"Joins Threads"},
    {530, u"Goto Step"},
    {531, u"Successful End"},
    {532, u"Unsuccessful End"},
    {533, u"Page"},
    {534, u"Number"},
    {535, u"Cost"},
    {536, u"Duration"},
    {537, u"#/Cost/Duration"},
    {538, u"Project Development"},
    {539, u"Development"},
    {540, u"Cost in"},
    {541, u"Duration in"},
    {542, u"Project Development, Cost in"},
    {543, u"and Duration in"},
    {544, u"of Approvals"},
    {545, u"of Implement."},
    {546, u"of App.+Impl."},
    {547, u"of Verifications"},
    {548, u"of Validations"},
    {549, u"of Ver.+Val."},
    {550, u"Requirements"},
    {551, u"Total Project"},
    {552, u"Project Cost in"},
    {553, u"Project Duration in"},
    {554, u"Text"},
    {555, u"List"},
    {556, u"Number"},
    {557, u"Open Case..."},
    {558, u"Export\ni"},
};
// clang-format on

const QHash<int, QString>& Table() {
    static const QHash<int, QString> table = [] {
        QHash<int, QString> t;
        for (const Entry& e : kStrings) {
            t.insert(e.id, QString::fromUtf16(e.text));
        }
        return t;
    }();
    return table;
}

}  // namespace

QString LoadString(int id) {
    return Table().value(id);
}

bool HasString(int id) {
    return Table().contains(id);
}
