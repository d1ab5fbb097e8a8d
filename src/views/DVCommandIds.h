#pragma once

// Command ids of the matrix views: string-table ids shared by menus, ribbon buttons and context menus.
namespace DVCmd {
// Shared commands of every matrix view.
constexpr int EditAll = 32782;
constexpr int EditField = 32789;
constexpr int ChooseColumns = 32807;
constexpr int SaveColumns = 32815;
constexpr int SaveColumnsAutomatically = 32818;
constexpr int ResetColumns = 32816;
constexpr int ColumnEdit = 295;
constexpr int ExportMenu = 186;
constexpr int ExportXml = 335;
constexpr int ExportCsv = 336;
constexpr int ExportCsvUtf8 = 337;
constexpr int Print = 57607;
constexpr int PrintDirect = 57608;
constexpr int PrintPreview = 57609;
constexpr int NewWindow = 57648;
constexpr int Undo = 57643;
constexpr int Redo = 57644;
constexpr int EmbeddedDocument = 505;
// Finding in a matrix view; Escape closes the find bar.
constexpr int Find = 57636;
constexpr int FindNext = 57640;
constexpr int FindPrevious = 32890;
constexpr int Replace = 57641;
constexpr int GoToId = 32891;
constexpr int Escape = 32768;
// View type switches of the column header menu.
constexpr int ViewOverview = 32860;
constexpr int ViewRequirements = 32823;
constexpr int ViewActors = 32824;
constexpr int ViewUseCases = 32825;
// Project overview.
constexpr int ChartDevelopment = 32865;  // 32865..32868: chart kinds 0..3
constexpr int ChartAll = 32868;
constexpr int ShowApproval = 32870;
constexpr int ShowImplementation = 32871;
constexpr int ShowApprovalImplementation = 32872;
constexpr int ShowVerification = 32873;
constexpr int ShowValidation = 32874;
constexpr int ShowVerificationValidation = 32875;
constexpr int AlignVCurve = 32858;
constexpr int ShowRedVCurve = 32857;
constexpr int ShowTotals = 32859;
constexpr int ShowSumOfTotals = 32876;
constexpr int ShowPercentOnly = 32869;
// Tree editing.
constexpr int Cut = 57635;
constexpr int CopySelected = 57634;
constexpr int CopyBranch = 162;
constexpr int Paste = 57637;
constexpr int InsertNew = 32801;
constexpr int AddRequirement = 32802;
constexpr int AddActor = 32803;
constexpr int AddUseCase = 32804;
constexpr int InsertNewChild = 157;
constexpr int IncreaseIndent = 32849;
constexpr int DecreaseIndent = 32850;
constexpr int MoveUp = 32853;
constexpr int MoveDown = 32854;
constexpr int Delete = 57632;
// Requirements view.
constexpr int TypeFunctional = 32786;
constexpr int TypeQuality = 32785;
constexpr int TypeConstraint = 32784;
constexpr int TypeFolder = 151;
constexpr int RequirementMenu = 302;
// Actors and use-case views.
constexpr int KindActor = 32812;
constexpr int KindUseCase = 32826;
constexpr int ActorMenu = 308;
constexpr int UseCaseMenu = 309;
constexpr int EditUseCaseSteps = 32856;
// Steps view.
constexpr int StepMenu = 331;
constexpr int ChangeStepType = 32827;
constexpr int StepSimple = 32836;
constexpr int StepIf = 32837;
constexpr int StepElseIf = 32838;
constexpr int StepElse = 32839;
constexpr int StepFork = 32840;
constexpr int StepSuccessfulEnd = 32842;
constexpr int StepUnsuccessfulEnd = 32843;
constexpr int StepGoto = 32845;
constexpr int StepForkThread = 32846;
}  // namespace DVCmd
