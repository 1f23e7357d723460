// Judging a motor for its reports and building the report data sets.
#include "session/ReportJob.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/CatalogText.h"
#include "base/ErrorMessage.h"
#include "base/NumberText.h"
#include "torque/JudgeOneMotor.h"
#include "torque/MotorReferenceQuery.h"
#include "units/ValueFormat.h"

namespace kinemo {

TReportJob::TReportJob(TKinemoContext& context, TSizingSession& session)
    : context_(context),
      session_(session),
      env_{session.Query(),  context.ValueFormat(),    context.Measures(),
           session.Chain(),  context.ErrorMessages(),  session.ResultLabels(),
           context.Run().ApplicationVersionText} {}

TReportJob::~TReportJob() = default;

void TReportJob::Open(const TMotor& judgedMotor, const std::tm& now) {
    motor_ = std::make_unique<TMotor>(judgedMotor);
    TPrintMenuInput input;
    input.Pattern = &session_.Pattern().CurrentGrid();
    input.Discharge = &session_.Discharge().MomentaryTable();
    input.PositionRange = session_.Search().PositionRangeText();
    double accuracy = 0;
    if (!TryTextToFloat(session_.Search().TextStoppingAccuracy(motor_.get()), accuracy)) accuracy = 0;
    input.StoppingAccuracy = accuracy;
    input.PatternInputType = session_.Pattern().InputType();
    const std::string format = ReadMessageText(session_.Query(), "form_commit_motor_print_menu", "FormatDateTime");
    input.CurrentDate = FormatDateTimeText(format, now.tm_year + 1900, now.tm_mon + 1, now.tm_mday, now.tm_hour,
                                           now.tm_min, now.tm_sec);
    menu_ = std::make_unique<TCommitMotorPrintMenuModel>(env_, *motor_, input);
    menu_->HeaderText = session_.PrintHeaderText;
    menu_->CommentText = session_.PrintCommentText;
}

bool TReportJob::OpenModel(const std::string& model, const std::tm& now) {
    std::unique_ptr<TMotor> motor = LoadMotorByModel(session_.Query(), model);
    if (!motor) throw TFormatErrorMessageException(context_.ErrorMessages(), "ReportNoMotor", {model});
    session_.PrepareJudgement();
    if (!JudgeOneMotor(session_.Discharge(), *motor, FloatToText(motor->MotorRatedSupply), context_.ErrorMessages(),
                       context_.Dialogs()))
        return false;
    Open(*motor, now);
    return true;
}

}  // namespace kinemo
