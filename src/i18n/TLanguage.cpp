#include "i18n/TLanguage.h"

void TLanguage::ResetDefaults()
{
    Confirmation = QStringLiteral("提示");
    ExitProgram = QStringLiteral("确定要退出系统？");
    SaveProgram = QStringLiteral("是否保存数据？");
    Channel = QStringLiteral("信道");
    Info = QStringLiteral("信息");
    OutRange = QStringLiteral("频率超出范围！");
    Caution = QStringLiteral("注意");
    FChBigT = QStringLiteral("起始频道应小于结束频道！");
    Close = QStringLiteral("已关闭");
    Open = QStringLiteral("已启动");
    ComError = QStringLiteral("检查所有连接及通信端口设置！");
    ModError = QStringLiteral("机型错误，是否强写？");
    ClearData = QStringLiteral("是否清空数据？");
    Modforce = QStringLiteral("是否强制改写？");
    All = QStringLiteral("全部");
    ErrRange = QStringLiteral("频率出错！");
    ModelType = QStringLiteral("机型");
    Frequency = QStringLiteral("频率");
    ReadOk = QStringLiteral("读取完成！");
    WriteOk = QStringLiteral("写入完成！");
    LPortError = QStringLiteral("无法打开端口！");
}
