#include "burning/kymburner.h"

#include "burning/kytargetcombobox.h"
#include "burning/waitingdiskdialog.h"

KymBurner::KymBurner(QWidget *parent) : DialogBase(parent)
{
    hide();
    connect(&m_workflow, &BurnWorkflow::beginGenerate, this, &KymBurner::beginGenerate);
    connect(&m_workflow, &BurnWorkflow::setCanAbort, this, &KymBurner::setCanAbort);
    connect(&m_workflow, &BurnWorkflow::setIsAbort, this, &KymBurner::setIsAbort);
    connect(&m_workflow, &BurnWorkflow::setDlgStatus, this, &KymBurner::setDlgStatus);
    connect(&m_workflow, &BurnWorkflow::doBurnNext, this, &KymBurner::doBurnNext);
    connect(&m_workflow, &BurnWorkflow::setProcess, this, &KymBurner::setProcess);
    connect(&m_workflow, &BurnWorkflow::timeStop, this, &KymBurner::timeStop);
    connect(&m_workflow, &BurnWorkflow::burnFinished, this, &KymBurner::burnFinished);
}

KymBurner::~KymBurner()
{
    // The monitor goes first; the workflow then stops the engine's work and
    // its device thread.
    if (m_monitor) {
        m_monitor->Release();
        m_monitor = nullptr;
    }
}

void KymBurner::initBurner(KyTargetComboBox *box, QWidget *burnWaitParent, QWidget *messageParent,
                           QWidget *burnQuestionParent)
{
    m_workflow.setDestinationView(box);
    m_workflow.setMessageParents(messageParent, burnQuestionParent);
    if (!m_workflow.burnWaitDialog()) {
        auto *burnWait = new WaitingDiskDialog(burnWaitParent ? burnWaitParent : this);
        burnWait->setNoConfirm(false);
        burnWait->setIgnoreVisible(false);
        auto *checkWait = new WaitingDiskDialog(messageParent ? messageParent : this);
        checkWait->setNoConfirm(true);
        m_workflow.setWaitingDialogs(burnWait, checkWait);
    }
    DVDBurner *burner = DVDBurner::Instance();
    DeviceThread &devThread = m_workflow.deviceThread();
    if (box) {
        connect(&devThread, &DeviceThread::renderedUpdateDevice, box, &KyTargetComboBox::on_updateDevice,
                Qt::BlockingQueuedConnection);
        connect(&devThread, &DeviceThread::renderedUpdateDiscs, box, &KyTargetComboBox::on_updateDiscs,
                Qt::BlockingQueuedConnection);
    }
    if (!devThread.isRunning())
        devThread.start();
    devThread.queueRefresh();
    if (!m_monitor) {
        m_monitor = IDevMonitor::Create(burner->pseudoDrives());
        connect(m_monitor, &IDevMonitor::Notify, this, &KymBurner::on_deviceChange);
        m_monitor->Start();
    }
}

void KymBurner::on_deviceChange(QString strDrive, int iArrive)
{
    m_workflow.deviceChanged(strDrive, iArrive);
}

int KymBurner::postMessage(int message, int wParam, int lParam)
{
    return m_workflow.postMessage(message, wParam, lParam);
}

int KymBurner::sendMessage(int message, int wParam, int lParam)
{
    return m_workflow.sendMessage(message, wParam, lParam);
}

int KymBurner::PostOrSendMessage(int message, int wParam, int lParam, int post)
{
    return m_workflow.PostOrSendMessage(message, wParam, lParam, post);
}
