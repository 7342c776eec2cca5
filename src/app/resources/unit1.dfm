object Form1: TForm1
  Caption = 'Ralvento'
  ClientHeight = 179
  ClientWidth = 441
  Color = $001B5655
  TransparentColor = True
  FormStyle = fsStayOnTop
  Icon = 'MAINICON'
  OnKeyDown = FormKeyDown
  OnShow = FormShow
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 425
    Height = 161
    Color = $005BCECB
    object LbSpeedButton1: TLbSpeedButton
      Left = 300
      Top = 120
      Width = 108
      Height = 31
      Cursor = crHandPoint
      Alignment = taCenter
      Caption = 'Inchide'
      Color = $0000C0C0
      Font.Charset = 1
      Font.Color = $00005555
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      HotTrackColor = $0000DFDF
      LightColor = $0000FFFF
      ParentColor = False
      ParentFont = False
      ShadowColor = $00008080
      Style = bsModern
      OnClick = Button1Click
    end
    object Button2: TLbSpeedButton
      Left = 16
      Top = 120
      Width = 201
      Height = 31
      Cursor = crHandPoint
      Alignment = taCenter
      Caption = 'Cautare...'
      Color = $0000C0C0
      Enabled = False
      Font.Charset = 1
      Font.Color = $00005555
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      HotTrackColor = $0000DFDF
      LightColor = $0000FFFF
      ParentColor = False
      ParentFont = False
      ShadowColor = $00008080
      Style = bsModern
      OnClick = Button2Click
    end
    object Memo1: TLogBox
      Left = 16
      Top = 16
      Width = 393
      Height = 97
      Color = $00AFE7E6
    end
  end
  object Timer1: TTimer
    Enabled = False
    OnTimer = Timer1Timer
  end
end
